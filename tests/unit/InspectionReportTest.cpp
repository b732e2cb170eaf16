#include "inspect/IjgTables.h"
#include "inspect/InspectionReport.h"
#include "inspect/QualityEstimator.h"

#include <gtest/gtest.h>

namespace {

// Facts of a file whose tables IJG made at the given qualities.
JpegFacts IjgFacts(int lumaQuality, int chromaQuality, bool forced, int tableCount = 2)
{
    JpegFacts facts{};
    facts.tableCount = tableCount;
    facts.tables[0] = BuildIjgTables(lumaQuality, forced).luminance;
    for (int t = 1; t < tableCount; ++t)
        facts.tables[t] = BuildIjgTables(chromaQuality, forced).chrominance;
    facts.estimates[0] = EstimateQuality(facts.tables[0], LuminanceBase);
    facts.estimates[1] = tableCount > 1 ? EstimateQuality(facts.tables[1], ChrominanceBase)
                                        : QualityEstimate{facts.estimates[0].quality, 0.0};
    return facts;
}

} // namespace

TEST(InspectionReport, StreamWithoutFrameOrTables)
{
    const JpegFacts facts{};
    const InspectionReport report = BuildInspectionReport(facts);
    EXPECT_EQ(report.width, L"0");
    EXPECT_EQ(report.height, L"0");
    EXPECT_EQ(report.colorSpace, L"未知");
    EXPECT_EQ(report.components, L"0");
    EXPECT_EQ(report.sampling, L"");
    EXPECT_EQ(report.precision, L"0");
    EXPECT_EQ(report.progressive, L"否");
    EXPECT_EQ(report.optimized, L"是");
    EXPECT_EQ(report.tableCount, L"0");
    EXPECT_EQ(report.sixteenBit, L"否");
    EXPECT_EQ(report.quality, L"0");
    EXPECT_EQ(report.variance, L"0.00/0.00");
    EXPECT_EQ(report.identity, L"");
    EXPECT_FALSE(report.qualityMismatch);
}

TEST(InspectionReport, ColourSpaceNames)
{
    const wchar_t* names[] = {L"未知", L"灰度", L"RGB", L"YCbCr", L"CMYK", L"YCCK", L"未知"};
    for (int code = 0; code <= 6; ++code) {
        JpegFacts facts{};
        facts.colorSpace = code;
        EXPECT_EQ(BuildInspectionReport(facts).colorSpace, names[code]);
    }
    JpegFacts facts{};
    facts.colorSpace = -1;
    EXPECT_EQ(BuildInspectionReport(facts).colorSpace, L"未知");
}

TEST(InspectionReport, SamplingTextCoversAtMostFourComponents)
{
    JpegFacts facts{};
    facts.components = 3;
    const int h[] = {1, 2, 2, 4}, v[] = {1, 2, 1, 3};
    for (int i = 0; i < 4; ++i) {
        facts.hSampling[i] = h[i];
        facts.vSampling[i] = v[i];
    }
    EXPECT_EQ(BuildInspectionReport(facts).sampling, L"1x1 2x2 2x1");
    facts.components = 1;
    EXPECT_EQ(BuildInspectionReport(facts).sampling, L"1x1");
    facts.components = 7;
    EXPECT_EQ(BuildInspectionReport(facts).sampling, L"1x1 2x2 2x1 4x3");
}

TEST(InspectionReport, FlagsAsYesOrNo)
{
    JpegFacts facts{};
    facts.progressive = 1;
    facts.standardHuffman = 1;
    facts.sixteenBit = 1;
    const InspectionReport report = BuildInspectionReport(facts);
    EXPECT_EQ(report.progressive, L"是");
    EXPECT_EQ(report.optimized, L"否");
    EXPECT_EQ(report.sixteenBit, L"是");
}

TEST(InspectionReport, QualityShowsBothEstimatesInRedOnlyWhenTheyDifferByMoreThanTwo)
{
    JpegFacts facts{};
    facts.tableCount = 2;
    facts.estimates[0].quality = 80;
    for (int chroma : {78, 80, 82}) {
        facts.estimates[1].quality = chroma;
        EXPECT_EQ(BuildInspectionReport(facts).quality, L"80");
        EXPECT_FALSE(BuildInspectionReport(facts).qualityMismatch);
    }
    for (int chroma : {77, 83}) {
        facts.estimates[1].quality = chroma;
        EXPECT_EQ(BuildInspectionReport(facts).quality, L"80/" + std::to_wstring(chroma));
        EXPECT_TRUE(BuildInspectionReport(facts).qualityMismatch);
    }
}

TEST(InspectionReport, VarianceHasOneNumberForOneTableAndTwoOtherwise)
{
    JpegFacts facts{};
    facts.estimates[0].variance = 0.805;
    facts.estimates[1].variance = 12.3456;
    for (int count : {0, 2, 3, 4}) {
        facts.tableCount = count;
        EXPECT_EQ(BuildInspectionReport(facts).variance, L"0.81/12.35") << count;
    }
    facts.tableCount = 1;
    EXPECT_EQ(BuildInspectionReport(facts).variance, L"0.81");
}

TEST(IdentityVerdict, IjgTablesAtTheEstimateAreTheSame)
{
    EXPECT_EQ(IdentityVerdict(IjgFacts(75, 75, true)), L"是/是");
    EXPECT_EQ(IdentityVerdict(IjgFacts(75, 75, true, 1)), L"是");
    // Quality 99 estimates its luminance table at 98.
    EXPECT_EQ(IdentityVerdict(IjgFacts(99, 99, true)), L"否/是");
    // Forced quality 10 estimates at 12 and 17, whose tables differ from the file's.
    EXPECT_EQ(IdentityVerdict(IjgFacts(10, 10, true)), L"否/否");
}

TEST(IdentityVerdict, SixteenBitTablesAreComparedWithUnforcedTables)
{
    JpegFacts facts = IjgFacts(5, 5, false);
    facts.sixteenBit = 1;
    EXPECT_EQ(IdentityVerdict(facts), L"是/是");
    facts.sixteenBit = 0;
    EXPECT_EQ(IdentityVerdict(facts), L"否/否");
}

TEST(IdentityVerdict, FurtherTablesAreJudgedThemselvesAgainstTheChrominanceTable)
{
    JpegFacts facts = IjgFacts(60, 60, true, 4);
    EXPECT_EQ(IdentityVerdict(facts), L"是/是/是/是");
    facts.tables[3][0] += 1;
    EXPECT_EQ(IdentityVerdict(facts), L"是/是/是/否");
    facts.tables[2] = facts.tables[0];
    EXPECT_EQ(IdentityVerdict(facts), L"是/是/否/否");
}
