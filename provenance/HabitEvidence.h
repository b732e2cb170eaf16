#pragma once

#include "provenance/CameraCatalogue.h"
#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"

#include <vector>

// A named camera's coding against its maker's habits (all soft): a progressive
// frame (no camera original showed one); optimized Huffman tables where the
// maker's originals seldom have them; a JFIF segment beside tables the maker's
// originals never showed, where they seldom have one or the tables are a
// program's rule (unless they usually have one); no maker note where the
// maker's originals always carry one and the model's did.
void AddHabitEvidence(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence);
