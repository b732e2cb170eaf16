#pragma once

#include "provenance/CameraCatalogue.h"
#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"

#include <vector>

// A named camera's coding against its maker's habits (all soft): a progressive
// frame (no camera original showed one); optimized Huffman tables where the
// maker's originals seldom have them; a JFIF segment where they seldom have
// one or the tables are a program's rule (IJG's: cjpeg, ImageMagick and Pillow
// add the segment), unless they usually have one; no maker note where the
// maker's originals always carry one and the model's did.
void AddHabitEvidence(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence);
