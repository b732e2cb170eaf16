#include "traces/CoefficientHistograms.h"

#include <cstdlib>

void CoefficientHistograms::Add(const JBLOCK& block)
{
    for (int k = 1; k < DCTSIZE2; ++k) {
        const int magnitude = std::abs(static_cast<int>(block[k]));
        ++counts[k][magnitude < kMagnitudes ? magnitude : kMagnitudes];
    }
    ++blocks;
}
