#include "inspect/IjgTables.h"
#include "inspect/QualityEstimator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string TwoDecimals(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

QualityEstimate Luma(int quality, bool force)
{
    return EstimateQuality(BuildIjgTables(quality, force).luminance, LuminanceBase);
}

QualityEstimate Chroma(int quality, bool force)
{
    return EstimateQuality(BuildIjgTables(quality, force).chrominance, ChrominanceBase);
}

QuantTable Filled(std::uint16_t value)
{
    QuantTable table;
    table.fill(value);
    return table;
}

} // namespace

TEST(QualityEstimator, KnownQualitiesGiveTheirEstimateAndVariance)
{
    struct Row { int quality; int luma; const char* lumaVariance; int chroma; const char* chromaVariance; };
    const Row rows[] = {
        {100, 100, "6.13", 100, "1.58"},
        {95, 95, "1.25", 95, "0.26"},
        {90, 90, "1.14", 90, "0.34"},
        {75, 75, "0.81", 75, "0.19"},
        {50, 50, "0.00", 50, "0.00"},
        {25, 25, "0.00", 25, "0.00"},
    };
    for (const Row& row : rows) {
        for (bool force : {false, true}) {
            SCOPED_TRACE("quality " + std::to_string(row.quality) + (force ? " forced" : ""));
            EXPECT_EQ(Luma(row.quality, force).quality, row.luma);
            EXPECT_EQ(TwoDecimals(Luma(row.quality, force).variance), row.lumaVariance);
            EXPECT_EQ(Chroma(row.quality, force).quality, row.chroma);
            EXPECT_EQ(TwoDecimals(Chroma(row.quality, force).variance), row.chromaVariance);
        }
    }
}

TEST(QualityEstimator, QualityNinetyNineEstimatesLuminanceOneLow)
{
    for (bool force : {false, true}) {
        EXPECT_EQ(Luma(99, force).quality, 98);
        EXPECT_EQ(Chroma(99, force).quality, 99);
    }
}

TEST(QualityEstimator, MidRangeQualitiesAreRecoveredExactly)
{
    for (int quality = 19; quality <= 98; ++quality) {
        for (bool force : {false, true}) {
            EXPECT_EQ(Luma(quality, force).quality, quality) << quality << " force " << force;
            EXPECT_EQ(Chroma(quality, force).quality, quality) << quality << " force " << force;
        }
    }
}

TEST(QualityEstimator, LowQualitiesAreExactUnforcedAndTooHighWhenForced)
{
    for (int quality = 1; quality <= 18; ++quality) {
        SCOPED_TRACE("quality " + std::to_string(quality));
        EXPECT_EQ(Luma(quality, false).quality, quality);
        EXPECT_EQ(Chroma(quality, false).quality, quality);
        EXPECT_GT(Luma(quality, true).quality, quality);
        EXPECT_GE(Luma(quality, true).quality, 7);
        EXPECT_LE(Luma(quality, true).quality, 19);
        EXPECT_GE(Chroma(quality, true).quality, 13);
        EXPECT_LE(Chroma(quality, true).quality, 19);
    }
    EXPECT_EQ(Luma(10, true).quality, 12);
    EXPECT_EQ(Chroma(10, true).quality, 17);
    EXPECT_EQ(Luma(1, true).quality, 7);
    EXPECT_EQ(Chroma(1, true).quality, 13);
}

// Flat tables, and tables holding zero entries among others: a zero counts as
// an entry of 999.99 % of its base value.
TEST(QualityEstimator, DegenerateTablesAndZeroEntries)
{
    QuantTable base50 = BuildIjgTables(50, true).luminance;
    QuantTable zeroFirst = base50, zeroTwice = base50, zeroAmongOnes = Filled(1);
    zeroFirst[0] = 0;
    zeroTwice[5] = zeroTwice[63] = 0;
    zeroAmongOnes[10] = 0;
    const struct { const char* name; QuantTable table; int quality; const char* variance; } rows[] = {
        {"zeros", Filled(0), 5, "0.00"},
        {"255", Filled(255), 7, "398923.88"},
        {"65535", Filled(65535), 0, "26348523510.56"},
        {"zero first", zeroFirst, 44, "12458.22"},
        {"two zeros", zeroTwice, 39, "24520.94"},
        {"zero among ones", zeroAmongOnes, 91, "15296.47"},
    };
    for (const auto& row : rows) {
        const QualityEstimate estimate = EstimateQuality(row.table, LuminanceBase);
        EXPECT_EQ(estimate.quality, row.quality) << row.name;
        EXPECT_EQ(TwoDecimals(estimate.variance), row.variance) << row.name;
    }
}

TEST(QualityEstimator, OneEntryOfTwoAmongOnesIsNeverQualityHundred)
{
    for (int position = 0; position < 64; ++position) {
        QuantTable table = Filled(1);
        table[position] = 2;
        EXPECT_EQ(EstimateQuality(table, LuminanceBase).quality, 98) << position;
        EXPECT_EQ(EstimateQuality(table, ChrominanceBase).quality, 99) << position;
    }
}
