#pragma once

#include "inspect/QuantTable.h"

#include <optional>

// How a scaled entry is made whole; nearest rounds halves up.
enum class Rounding { Nearest, Down, Up };

// The factors, in percent, at which a base table scales to a given table.
struct ScaleRange
{
    double minPercent;
    double maxPercent;
};

// The range of constant factors f at which every entry of table is base's
// entry times f, rounded as said and clamped to 1..255 (1..65535 when table
// holds a larger value); none when no factor fits, or when no entry bounds the
// factor on both sides (a table all of ones or all at the clamp).
std::optional<ScaleRange> FitScale(const QuantTable& table, const QuantTable& base, Rounding rounding);
