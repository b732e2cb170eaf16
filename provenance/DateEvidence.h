#pragma once

#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"

#include <vector>

// IFD0 DateTime more than 30 s after DateTimeOriginal: the file was written
// again after the shot (soft; a camera writes both at once).
void AddDateEvidence(const FileClaims& claims, std::vector<Evidence>& evidence);
