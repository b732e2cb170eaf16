#include "inspect/IjgTables.h"
#include "ui/QuantTableText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

QuantTable Filled(std::uint16_t value)
{
    QuantTable table;
    table.fill(value);
    return table;
}

} // namespace

TEST(FormatQuantTable, NoTableGivesNoText)
{
    EXPECT_EQ(FormatQuantTable(nullptr), L"");
}

TEST(FormatQuantTable, ColumnWidthIsOneMoreThanTheLongestValue)
{
    struct Case { std::uint16_t largest; size_t width; };
    for (const Case& c : {Case{9, 2}, Case{10, 3}, Case{255, 4}, Case{6050, 5}, Case{65535, 6}}) {
        QuantTable table = Filled(1);
        table[37] = c.largest;
        const std::vector<std::wstring> lines = Lines(FormatQuantTable(table.data()));
        ASSERT_EQ(lines.size(), 8u);
        for (const std::wstring& line : lines)
            EXPECT_EQ(line.size(), 3 + 8 * c.width) << "largest " << c.largest;
        const std::wstring one = std::wstring(c.width - 1, L' ') + L"1";
        EXPECT_EQ(lines[0].substr(3, c.width), one);
        EXPECT_EQ(lines[4].substr(3 + 5 * c.width, c.width),
                  std::wstring(c.width - std::to_wstring(c.largest).size(), L' ') + std::to_wstring(c.largest));
    }
}

TEST(FormatQuantTable, EightNumberedRowsWithSevenBreaksAndNoneAtTheEnd)
{
    const std::wstring text = FormatQuantTable(Filled(1).data());
    const std::vector<std::wstring> lines = Lines(text);
    ASSERT_EQ(lines.size(), 8u);
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(lines[row], L"#" + std::to_wstring(row) + L": 1 1 1 1 1 1 1 1");
    EXPECT_NE(text.substr(text.size() - 2), L"\r\n");
    EXPECT_EQ(text.find(L'\n'), text.find(L"\r\n") + 1);
}

TEST(FormatQuantTable, StandardTablesReadAsTheWorkedExample)
{
    const IjgTables fifty = BuildIjgTables(50, true);
    const std::vector<std::wstring> luma = Lines(FormatQuantTable(fifty.luminance.data()));
    EXPECT_EQ(luma[0], L"#0:  16  11  10  16  24  40  51  61");
    EXPECT_EQ(luma[1], L"#1:  12  12  14  19  26  58  60  55");
    const std::vector<std::wstring> chroma = Lines(FormatQuantTable(fifty.chrominance.data()));
    EXPECT_EQ(chroma[0], L"#0: 17 18 24 47 99 99 99 99");
}

TEST(FileTablesText, ShowsAtMostTheFirstTwoTablesUnderTheirHeadings)
{
    JpegFacts facts{};
    facts.tables[0] = Filled(1);
    facts.tables[1] = Filled(2);
    facts.tables[2] = Filled(3);
    const std::wstring ones = FormatQuantTable(facts.tables[0].data());
    const std::wstring twos = FormatQuantTable(facts.tables[1].data());

    facts.tableCount = 1;
    EXPECT_EQ(FileTablesText(facts), L"亮度量化表：\r\n" + ones);
    for (int count : {2, 3, 4}) {
        facts.tableCount = count;
        EXPECT_EQ(FileTablesText(facts), L"亮度量化表：\r\n" + ones + L"\r\n\r\n色度量化表：\r\n" + twos);
    }
}

TEST(FileTablesText, NoTablesShowsALuminanceTableOfZeros)
{
    JpegFacts facts{};
    const std::vector<std::wstring> lines = Lines(FileTablesText(facts));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], L"亮度量化表：");
    EXPECT_EQ(lines[8], L"#7: 0 0 0 0 0 0 0 0");
}

TEST(ReferenceTexts, NoSelectionAndZeroGiveQualityOneTables)
{
    const ReferenceTexts none = BuildReferenceTexts(-1, -1, true);
    EXPECT_EQ(none.luminance, BuildReferenceTexts(1, 1, true).luminance);
    EXPECT_EQ(none.chrominance, BuildReferenceTexts(0, 0, true).chrominance);
    EXPECT_EQ(Lines(none.luminance)[0], L"#0: 255 255 255 255 255 255 255 255");
}

TEST(ReferenceTexts, EachPaneFollowsItsOwnQualityAndTheForcing)
{
    const ReferenceTexts texts = BuildReferenceTexts(50, 10, false);
    EXPECT_EQ(texts.luminance, FormatQuantTable(BuildIjgTables(50, false).luminance.data()));
    EXPECT_EQ(texts.chrominance, FormatQuantTable(BuildIjgTables(10, false).chrominance.data()));
    // Unforced quality 1 reaches 6050: width 5.
    EXPECT_EQ(Lines(BuildReferenceTexts(1, 1, false).luminance)[6].size(), 3u + 8 * 5);
}
