#include "inspect/QualityEstimator.h"

const BaseTable LuminanceBase = {
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99};

const BaseTable ChrominanceBase = {
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99};

namespace {

// Percentage standing in for an entry of 0, which no encoder should write:
// it counts as a very coarse entry.
const double kZeroEntryPercentage = 999.99;

// Inverts the IJG scaling (scale = 200 - 2q from quality 50 up, 5000 / q below)
// taking the mean percentage as the scale.
double QualityFromMeanScale(double mean)
{
    if (mean <= 100.0)
        return (200.0 - mean) * 0.5;
    return 5000.0 / mean;
}

} // namespace

QualityEstimate EstimateQuality(const QuantTable& table, const BaseTable& base)
{
    bool allOnes = true;
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (int j = 0; j < 64; ++j) {
        const unsigned value = table[j];
        if (value != 1)
            allOnes = false;
        const double percentage = value == 0
            ? kZeroEntryPercentage
            : (static_cast<double>(value) * 100.0) / static_cast<double>(base[j]);
        sum += percentage;
        sumOfSquares += percentage * percentage;
    }
    const double mean = sum * 0.015625;

    QualityEstimate estimate;
    estimate.variance = sumOfSquares * 0.015625 - mean * mean;
    // Quality 100 clamps every entry to 1, whatever the base value.
    const double quality = allOnes ? 100.0 : QualityFromMeanScale(mean);
    estimate.quality = static_cast<std::int32_t>(quality + 0.5);
    return estimate;
}
