#pragma once

#include "encoders/ScaleFit.h"

// A base table of the catalogue that scaled tables are compared with.
struct ScaleBase
{
    enum class Family { AnnexK, Mozjpeg, Mpeg1Intra };

    Family family;
    int set;          // mozjpeg's table set 1..8; else 0
    bool luminance;   // the luminance or chrominance table of the family
};

// A table that is a base table scaled by one constant factor.
struct ScaledMatch
{
    ScaleBase base;
    Rounding rounding;
    ScaleRange range;
};
