#pragma once

#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"

#include <vector>

// The frame's size against the size the EXIF states: another size is a crop
// or a resize (hard), the same turned a quarter a rotation (soft). The stated
// size divided by a whole number is no evidence: the low-resolution modes of
// older cameras state their full size; nor is a stated size less than one
// 16-pixel block off, as some cameras state the size padded to whole blocks.
void AddSizeEvidence(const FileClaims& claims, std::vector<Evidence>& evidence);
