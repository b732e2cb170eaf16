#include "inspect/IjgTables.h"
#include "tests/unit/IjgRule.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(IjgTables, FollowTheScalingRuleAtEveryQualityWithAndWithoutForcing)
{
    for (int quality = -2; quality <= 102; ++quality) {
        for (bool force : {false, true}) {
            const IjgTables tables = BuildIjgTables(quality, force);
            EXPECT_EQ(tables.luminance, IjgRuleTable(LuminanceBase, quality, force))
                << "quality " << quality << " force " << force;
            EXPECT_EQ(tables.chrominance, IjgRuleTable(ChrominanceBase, quality, force))
                << "quality " << quality << " force " << force;
        }
    }
}

TEST(IjgTables, QualitiesOutsideTheRangeAreClamped)
{
    EXPECT_EQ(BuildIjgTables(0, true).luminance, BuildIjgTables(1, true).luminance);
    EXPECT_EQ(BuildIjgTables(-1, false).chrominance, BuildIjgTables(1, false).chrominance);
    EXPECT_EQ(BuildIjgTables(101, true).luminance, BuildIjgTables(100, true).luminance);
}

TEST(IjgTables, WorkedExamples)
{
    EXPECT_EQ(BuildIjgTables(75, true).luminance[0], 8);

    const IjgTables hundred = BuildIjgTables(100, false);
    EXPECT_TRUE(std::all_of(hundred.luminance.begin(), hundred.luminance.end(), [](int v) { return v == 1; }));
    EXPECT_TRUE(std::all_of(hundred.chrominance.begin(), hundred.chrominance.end(), [](int v) { return v == 1; }));

    // Luminance entry 121 sits at row 6, column 5.
    EXPECT_EQ(BuildIjgTables(10, true).luminance[8 * 6 + 5], 255);
    const IjgTables one = BuildIjgTables(1, false);
    EXPECT_EQ(one.luminance[8 * 6 + 5], 6050);
    EXPECT_EQ(*std::max_element(one.luminance.begin(), one.luminance.end()), 6050);
    EXPECT_LT(*std::max_element(one.chrominance.begin(), one.chrominance.end()), 6050);
    const IjgTables oneForced = BuildIjgTables(1, true);
    EXPECT_EQ(*std::max_element(oneForced.luminance.begin(), oneForced.luminance.end()), 255);
}

TEST(IjgTables, QualityFiftyIsTheStandardTableAndTwentyFiveDoublesIt)
{
    const IjgTables fifty = BuildIjgTables(50, true);
    const IjgTables twentyFive = BuildIjgTables(25, true);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(fifty.luminance[i], LuminanceBase[i]);
        EXPECT_EQ(fifty.chrominance[i], ChrominanceBase[i]);
        EXPECT_EQ(twentyFive.luminance[i], 2 * LuminanceBase[i]);
        EXPECT_EQ(twentyFive.chrominance[i], 2 * ChrominanceBase[i]);
    }
}
