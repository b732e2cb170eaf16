// The Start command end to end on generated files: the report fields, the red
// quality field, the file's tables and the reference pane at the estimates.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"
#include "ui/QuantTableText.h"

namespace {

using StartCommand = InspectorWindow;

const COLORREF kRed = RGB(255, 0, 0);

JpegOptions AtQuality(int quality)
{
    JpegOptions options;
    options.quality = quality;
    return options;
}

TEST_F(StartCommand, Quality75ColourFileGivesTheFullReport)
{
    Start(WriteFile(L"q75.jpg", WriteSampleJpeg()));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text(IDC_WIDTH), L"320");
    EXPECT_EQ(Text(IDC_HEIGHT), L"240");
    EXPECT_EQ(Text(IDC_COLORSPACE), L"YCbCr");
    EXPECT_EQ(Text(IDC_COMPONENTS), L"3");
    EXPECT_EQ(Text(IDC_SAMPLING), L"1x1 2x2 2x2");
    EXPECT_EQ(Text(IDC_PRECISION), L"8");
    EXPECT_EQ(Text(IDC_PROGRESSIVE), L"否");
    EXPECT_EQ(Text(IDC_OPTIMIZED), L"否");
    EXPECT_EQ(Text(IDC_TABLE_COUNT), L"2");
    EXPECT_EQ(Text(IDC_SIXTEEN_BIT), L"否");
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_EQ(Text(IDC_VARIANCE), L"0.81/0.19");
    EXPECT_EQ(Text(IDC_SAME), L"是/是");
    EXPECT_NE(QualityTextColour(), kRed);
    EXPECT_NE(Text(IDC_TABLES).find(L"#7:"), std::wstring::npos);
}

TEST_F(StartCommand, ReferencePaneShowsTheTablesAtTheEstimates)
{
    Start(WriteFile(L"q75.jpg", WriteSampleJpeg()));
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 75);
    EXPECT_EQ(Selection(IDC_CHROMA_QUALITY), 75);
    EXPECT_TRUE(BaselineChecked());
    const ReferenceTexts expected = BuildReferenceTexts(75, 75, true);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), expected.luminance);
    EXPECT_EQ(Text(IDC_CHROMA_TABLE), expected.chrominance);
}

TEST_F(StartCommand, OptimizedCodingIsReported)
{
    JpegOptions options;
    options.optimizeCoding = true;
    Start(WriteFile(L"optimized.jpg", WriteJpeg(options)));
    EXPECT_EQ(Text(IDC_OPTIMIZED), L"是");
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
}

TEST_F(StartCommand, Quality10IsRedUntilAMatchingFileFollows)
{
    Start(WriteFile(L"q10.jpg", WriteJpeg(AtQuality(10))));
    EXPECT_EQ(Text(IDC_QUALITY), L"12/17");
    EXPECT_EQ(Text(IDC_SAME), L"否/否");
    EXPECT_EQ(QualityTextColour(), kRed);
    const ReferenceTexts expected = BuildReferenceTexts(12, 17, true);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), expected.luminance);
    EXPECT_EQ(Text(IDC_CHROMA_TABLE), expected.chrominance);

    Start(WriteFile(L"q75.jpg", WriteSampleJpeg()));
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_NE(QualityTextColour(), kRed);
}

TEST_F(StartCommand, Quality99EstimatesDifferByOneAndAreNotRed)
{
    Start(WriteFile(L"q99.jpg", WriteJpeg(AtQuality(99))));
    EXPECT_EQ(Text(IDC_QUALITY), L"98");
    EXPECT_EQ(Text(IDC_SAME), L"否/是");
    EXPECT_NE(QualityTextColour(), kRed);
}

TEST_F(StartCommand, GreyscaleFileHasOneTableAndOneVerdict)
{
    JpegOptions options;
    options.greyscale = true;
    Start(WriteFile(L"grey.jpg", WriteJpeg(options)));
    EXPECT_EQ(Text(IDC_COLORSPACE), L"灰度");
    EXPECT_EQ(Text(IDC_COMPONENTS), L"1");
    EXPECT_EQ(Text(IDC_SAMPLING), L"1x1");
    EXPECT_EQ(Text(IDC_TABLE_COUNT), L"1");
    EXPECT_EQ(Text(IDC_VARIANCE).find(L'/'), std::wstring::npos);
    EXPECT_EQ(Text(IDC_SAME), L"是");
}

TEST_F(StartCommand, SixteenBitTablesClearTheBaselineBox)
{
    Start(WriteFile(L"dqt16.jpg", Dqt16Above255Stream()));
    EXPECT_EQ(Text(IDC_SIXTEEN_BIT), L"是");
    EXPECT_FALSE(BaselineChecked());
    const ReferenceTexts expected =
        BuildReferenceTexts(Selection(IDC_LUMA_QUALITY), Selection(IDC_CHROMA_QUALITY), false);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), expected.luminance);
    EXPECT_EQ(Text(IDC_CHROMA_TABLE), expected.chrominance);
}

TEST_F(StartCommand, StartOfImageAloneGivesTheEmptyReport)
{
    Start(WriteFile(L"soi.jpg", SoiOnlyStream()));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text(IDC_WIDTH), L"0");
    EXPECT_EQ(Text(IDC_HEIGHT), L"0");
    EXPECT_EQ(Text(IDC_COLORSPACE), L"未知");
    EXPECT_EQ(Text(IDC_COMPONENTS), L"0");
    EXPECT_EQ(Text(IDC_SAMPLING), L"");
    EXPECT_EQ(Text(IDC_PRECISION), L"0");
    EXPECT_EQ(Text(IDC_PROGRESSIVE), L"否");
    EXPECT_EQ(Text(IDC_OPTIMIZED), L"是");
    EXPECT_EQ(Text(IDC_TABLE_COUNT), L"0");
    EXPECT_EQ(Text(IDC_SIXTEEN_BIT), L"否");
    EXPECT_EQ(Text(IDC_QUALITY), L"0");
    EXPECT_EQ(Text(IDC_VARIANCE), L"0.00/0.00");
    EXPECT_EQ(Text(IDC_SAME), L"");
    // The file's tables were still shown: the lists went to the estimates.
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 0);
    EXPECT_EQ(Selection(IDC_CHROMA_QUALITY), 0);
}

TEST_F(StartCommand, LibraryErrorAfterAGoodRunLeavesTheReport)
{
    Start(WriteFile(L"q10.jpg", WriteJpeg(AtQuality(10))));
    const std::wstring tables = Text(IDC_TABLES);
    const std::wstring luma = Text(IDC_LUMA_TABLE);

    std::vector<unsigned char> cut = WriteSampleJpeg();
    cut.resize(200);  // inside the Huffman tables, before the first scan
    Start(WriteFile(L"cut.jpg", cut));

    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_FALSE(Boxes()[0].text.empty());
    for (wchar_t c : Boxes()[0].text)
        EXPECT_LT(c, 0x80) << "the library's messages are English";
    EXPECT_EQ(Text(IDC_QUALITY), L"12/17");
    EXPECT_EQ(Text(IDC_WIDTH), L"320");
    EXPECT_EQ(QualityTextColour(), kRed);
    EXPECT_EQ(Text(IDC_TABLES), tables);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), luma);
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 12);
}

TEST_F(StartCommand, RefusedFileAfterAGoodRunLeavesTheReport)
{
    Start(WriteFile(L"q75.jpg", WriteSampleJpeg()));
    Start(m_dir.File(L"gone.jpg"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_EQ(Text(IDC_SAME), L"是/是");
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 75);
}

TEST_F(StartCommand, TwoRunsGiveTheSameReport)
{
    const std::wstring path = WriteFile(L"q99.jpg", WriteJpeg(AtQuality(99)));
    Start(path);
    const std::wstring first = Text(IDC_VARIANCE) + Text(IDC_QUALITY) + Text(IDC_TABLES);
    Start(path);
    EXPECT_EQ(Text(IDC_VARIANCE) + Text(IDC_QUALITY) + Text(IDC_TABLES), first);
}

} // namespace
