#include "cli/IjgMatch.h"
#include "cli/IjgMatchText.h"
#include "tests/unit/IjgMatchOracle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<IjgSetting> Settings(const IjgMatches& matches)
{
    std::vector<IjgSetting> settings;
    for (const IjgMatch& match : matches)
        settings.push_back({match.quality, match.baseline});
    return settings;
}

} // namespace

TEST(IjgMatch, EveryIjgTableIsFoundWithEverySettingThatMakesIt)
{
    const IjgMatchFinder finder;
    for (int quality = 1; quality <= 100; ++quality) {
        for (bool forced : {true, false}) {
            SCOPED_TRACE("quality " + std::to_string(quality) + (forced ? " forced" : " unforced"));
            const QuantTable luma = IjgRuleTable(LuminanceBase, quality, forced);
            const QuantTable chroma = IjgRuleTable(ChrominanceBase, quality, forced);
            const std::vector<IjgSetting> lumaMatches = Settings(finder.Find(luma, true));
            const std::vector<IjgSetting> chromaMatches = Settings(finder.Find(chroma, false));
            EXPECT_EQ(lumaMatches, SettingsMaking(LuminanceBase, luma));
            EXPECT_EQ(chromaMatches, SettingsMaking(ChrominanceBase, chroma));
            EXPECT_NE(std::find(lumaMatches.begin(), lumaMatches.end(), IjgSetting{quality, forced}),
                      lumaMatches.end());
        }
    }
}

TEST(IjgMatch, WhereForcingChangesNothingBothSettingsAreListed)
{
    const IjgMatchFinder finder;
    // From quality 24 up no luminance entry exceeds 255, so forcing is moot.
    EXPECT_EQ(Settings(finder.Find(IjgRuleTable(LuminanceBase, 24, true), true)),
              (std::vector<IjgSetting>{{24, true}, {24, false}}));
    // At quality 10 forcing clamps 605 to 255: each table has one setting.
    EXPECT_EQ(Settings(finder.Find(IjgRuleTable(LuminanceBase, 10, true), true)),
              (std::vector<IjgSetting>{{10, true}}));
    EXPECT_EQ(Settings(finder.Find(IjgRuleTable(LuminanceBase, 10, false), true)),
              (std::vector<IjgSetting>{{10, false}}));
    // Forced chrominance tables of qualities 1 to 3 are all 255.
    EXPECT_EQ(Settings(finder.Find(IjgRuleTable(ChrominanceBase, 2, true), false)),
              (std::vector<IjgSetting>{{1, true}, {2, true}, {3, true}}));
}

TEST(IjgMatch, TablesOfOtherMakesMatchNothing)
{
    const IjgMatchFinder finder;
    QuantTable nearly = IjgRuleTable(LuminanceBase, 75, true);
    nearly[63] += 1;
    EXPECT_TRUE(finder.Find(nearly, true).empty());
    // IJG's chrominance table is not its luminance table.
    EXPECT_TRUE(finder.Find(IjgRuleTable(ChrominanceBase, 75, true), true).empty());
    QuantTable flat;
    flat.fill(65535);
    EXPECT_TRUE(finder.Find(flat, false).empty());
}

TEST(IjgMatch, FindAllJudgesTheFirstTableAsLuminanceAndTheOthersAsChrominance)
{
    JpegFacts facts{};
    facts.tableCount = 3;
    facts.tables[0] = IjgRuleTable(LuminanceBase, 80, true);
    facts.tables[1] = IjgRuleTable(ChrominanceBase, 80, true);
    facts.tables[2] = IjgRuleTable(ChrominanceBase, 50, true);
    const std::vector<IjgMatches> perTable = IjgMatchFinder().FindAll(facts);
    ASSERT_EQ(perTable.size(), 3u);
    EXPECT_EQ(Settings(perTable[0]), (std::vector<IjgSetting>{{80, true}, {80, false}}));
    EXPECT_EQ(Settings(perTable[1]), (std::vector<IjgSetting>{{80, true}, {80, false}}));
    EXPECT_EQ(Settings(perTable[2]), (std::vector<IjgSetting>{{50, true}, {50, false}}));
    facts.tableCount = 0;
    EXPECT_TRUE(IjgMatchFinder().FindAll(facts).empty());
}

TEST(IjgMatchText, SaysTheQualitiesAndHowForcingWasSet)
{
    EXPECT_EQ(IjgMatchText({}), L"无精确匹配");
    EXPECT_EQ(IjgMatchText({{10, true}}), L"精确匹配 IJG 质量 10（基线）");
    EXPECT_EQ(IjgMatchText({{10, false}}), L"精确匹配 IJG 质量 10（非基线）");
    EXPECT_EQ(IjgMatchText({{75, true}, {75, false}}), L"精确匹配 IJG 质量 75（基线或非基线）");
    EXPECT_EQ(IjgMatchText({{1, true}, {2, true}, {3, true}}), L"精确匹配 IJG 质量 1、2、3（基线）");
    EXPECT_EQ(IjgMatchText({{5, true}, {5, false}, {7, false}}),
              L"精确匹配 IJG 质量 5（基线或非基线）、7（非基线）");
    EXPECT_EQ(IjgMatchText({{5, true}, {5, false}, {7, true}}), L"精确匹配 IJG 质量 5（基线或非基线）、7（基线）");
}

TEST(IjgMatchText, SummaryJoinsTheTablesWithSlashes)
{
    EXPECT_EQ(IjgMatchSummary({}), L"");
    const IjgMatches fifty = {{50, true}, {50, false}};
    EXPECT_EQ(IjgMatchSummary({fifty, IjgMatches()}), L"精确匹配 IJG 质量 50（基线或非基线）/无精确匹配");
}
