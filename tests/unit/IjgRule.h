#pragma once

#include "inspect/QualityEstimator.h"
#include "inspect/QuantTable.h"

// IJG's quality scaling written out independently of the library, as the
// oracle the library-made tables and the estimates are checked against.
inline QuantTable IjgRuleTable(const BaseTable& base, int quality, bool forceBaseline)
{
    if (quality < 1) quality = 1;
    if (quality > 100) quality = 100;
    const long scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    QuantTable table;
    for (int i = 0; i < 64; ++i) {
        long value = (base[i] * scale + 50) / 100;
        if (value < 1) value = 1;
        if (value > 32767) value = 32767;
        if (forceBaseline && value > 255) value = 255;
        table[i] = static_cast<std::uint16_t>(value);
    }
    return table;
}
