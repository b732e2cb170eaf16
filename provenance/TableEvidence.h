#pragma once

#include "provenance/CameraCatalogue.h"
#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"

#include <vector>

// A named camera's tables against what its maker's originals showed: the same
// set (support, by model or maker); a program's own tables that no camera
// original showed - mozjpeg's, ffmpeg's, Photoshop's and Pillow's presets,
// Photoshop's observed levels - (hard); else whether the maker's tables are
// known at all. IJG's tables are no evidence by themselves: many cameras use
// them, at qualities that vary from shot to shot.
void AddTableEvidence(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence);
