#pragma once

#include "inspect/QuantTable.h"

// Whether a luminance table is one that a libjpeg-style quantizer (rounding
// to nearest, no deadzone) writes with: IJG's table at some quality, with or
// without baseline forcing, or one of Pillow's presets, which libjpeg
// applies. Cameras, trellis quantizers (mozjpeg) and unknown encoders write
// other tables, and their rounding breaks the model.
bool IsLibjpegStyleTable(const QuantTable& luminance);
