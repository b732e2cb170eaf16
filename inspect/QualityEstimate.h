#pragma once

#include <cstdint>

// The IJG quality factor a table was most likely made with, and how far the
// table strays from the IJG scaling rule.
struct QualityEstimate
{
    std::int32_t quality;   // 0..100
    double variance;        // population variance of the 64 entry percentages
};
