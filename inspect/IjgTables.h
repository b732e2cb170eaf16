#pragma once

#include "inspect/QuantTable.h"

struct IjgTables
{
    QuantTable luminance;     // the library's table slot 0
    QuantTable chrominance;   // the library's table slot 1
};

// IJG's quantization tables for a quality factor, exactly as the JPEG library
// writes them into a file it compresses (it clamps the quality to 1..100).
// forceBaseline limits every entry to 1..255.
IjgTables BuildIjgTables(int quality, bool forceBaseline);
