// The IJG reference pane follows the quality lists, the baseline box and the
// sync button through the refresh the dialog posts to itself.

#include "tests/gui/InspectorWindow.h"

#include "inspect/QualityEstimator.h"
#include "res/resource.h"
#include "ui/QuantTableText.h"

#include <cstdint>

namespace {

class ReferencePane : public InspectorWindow
{
protected:
    void ExpectPane(int lumaQuality, int chromaQuality, bool forceBaseline)
    {
        const ReferenceTexts expected = BuildReferenceTexts(lumaQuality, chromaQuality, forceBaseline);
        EXPECT_EQ(Text(IDC_LUMA_TABLE), expected.luminance);
        EXPECT_EQ(Text(IDC_CHROMA_TABLE), expected.chrominance);
    }
};

std::wstring BaseText(const BaseTable& base)
{
    std::uint16_t table[64];
    for (int i = 0; i < 64; ++i)
        table[i] = static_cast<std::uint16_t>(base[i]);
    return FormatQuantTable(table);
}

TEST_F(ReferencePane, ListsDriveThePane)
{
    ChooseQuality(IDC_LUMA_QUALITY, 20);
    ChooseQuality(IDC_CHROMA_QUALITY, 90);
    ExpectPane(20, 90, true);
    EXPECT_NE(Text(IDC_LUMA_TABLE), BuildReferenceTexts(21, 90, true).luminance);
}

TEST_F(ReferencePane, ChromaListWithoutSelectionFollowsTheLumaList)
{
    ChooseQuality(IDC_LUMA_QUALITY, 60);
    EXPECT_EQ(Selection(IDC_CHROMA_QUALITY), 60);
    ExpectPane(60, 60, true);
}

TEST_F(ReferencePane, SyncCopiesLumaToChroma)
{
    ChooseQuality(IDC_LUMA_QUALITY, 33);
    ChooseQuality(IDC_CHROMA_QUALITY, 80);
    PostCommand(IDC_SYNC, BN_CLICKED, Item(IDC_SYNC));
    EXPECT_EQ(Selection(IDC_CHROMA_QUALITY), 33);
    ExpectPane(33, 33, true);
}

TEST_F(ReferencePane, QualityZeroEqualsQualityOne)
{
    ChooseQuality(IDC_LUMA_QUALITY, 0);
    ChooseQuality(IDC_CHROMA_QUALITY, 0);
    const std::wstring zeroLuma = Text(IDC_LUMA_TABLE);
    const std::wstring zeroChroma = Text(IDC_CHROMA_TABLE);
    ChooseQuality(IDC_LUMA_QUALITY, 1);
    ChooseQuality(IDC_CHROMA_QUALITY, 1);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), zeroLuma);
    EXPECT_EQ(Text(IDC_CHROMA_TABLE), zeroChroma);
}

TEST_F(ReferencePane, FiftyShowsTheStandardTables)
{
    ChooseQuality(IDC_LUMA_QUALITY, 50);
    ChooseQuality(IDC_CHROMA_QUALITY, 50);
    EXPECT_EQ(Text(IDC_LUMA_TABLE), BaseText(LuminanceBase));
    EXPECT_EQ(Text(IDC_CHROMA_TABLE), BaseText(ChrominanceBase));
}

TEST_F(ReferencePane, BaselineBoxSwitchesForcing)
{
    ChooseQuality(IDC_LUMA_QUALITY, 5);
    ChooseQuality(IDC_CHROMA_QUALITY, 5);
    const std::wstring forced = Text(IDC_LUMA_TABLE);
    SendMessageW(Item(IDC_BASELINE), BM_SETCHECK, BST_UNCHECKED, 0);
    PostCommand(IDC_BASELINE, BN_CLICKED, Item(IDC_BASELINE));
    ExpectPane(5, 5, false);
    EXPECT_NE(Text(IDC_LUMA_TABLE), forced);
    SendMessageW(Item(IDC_BASELINE), BM_SETCHECK, BST_CHECKED, 0);
    PostCommand(IDC_BASELINE, BN_CLICKED, Item(IDC_BASELINE));
    EXPECT_EQ(Text(IDC_LUMA_TABLE), forced);
}

} // namespace
