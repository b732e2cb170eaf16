#pragma once

#include "inspect/QuantTable.h"

// mozjpeg's table sets besides the JPEG standard's (set 0): its quant_table
// option 1 to 8, each scaled by IJG's quality rule.
const int kMozjpegTableSets = 8;

// The base (quality 50) luminance or chrominance table of set 1..8.
const QuantTable& MozjpegBase(int set, bool luminance);
