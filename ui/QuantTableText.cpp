#include "ui/QuantTableText.h"

#include "inspect/IjgTables.h"

#include <algorithm>

namespace {

int DecimalDigits(unsigned value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

// Appends value right-aligned in a field of width characters ("%<width>d").
// The digits are made by hand: std::to_wstring goes through swprintf, which
// made this the costliest step of a batch report.
void AppendPadded(std::wstring& text, unsigned value, int width)
{
    wchar_t digits[10];
    int count = 0;
    do {
        digits[9 - count++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (width > count)
        text.append(width - count, L' ');
    text.append(digits + 10 - count, count);
}

} // namespace

std::wstring FormatQuantTable(const std::uint16_t* table)
{
    if (table == nullptr)
        return std::wstring();
    const std::uint16_t largest = *std::max_element(table, table + 64);
    const int width = DecimalDigits(largest) + 1;

    std::wstring text;
    for (int row = 0; row < 8; ++row) {
        text += L'#';
        text += static_cast<wchar_t>(L'0' + row);
        text += L':';
        for (int column = 0; column < 8; ++column)
            AppendPadded(text, table[8 * row + column], width);
        if (row < 7)
            text += L"\r\n";
    }
    return text;
}

std::wstring FileTablesText(const JpegFacts& facts)
{
    std::wstring text = L"亮度量化表：\r\n" + FormatQuantTable(facts.tables[0].data());
    if (facts.tableCount > 1)
        text += L"\r\n\r\n色度量化表：\r\n" + FormatQuantTable(facts.tables[1].data());
    return text;
}

ReferenceTexts BuildReferenceTexts(int lumaQuality, int chromaQuality, bool forceBaseline)
{
    return {FormatQuantTable(BuildIjgTables(lumaQuality, forceBaseline).luminance.data()),
            FormatQuantTable(BuildIjgTables(chromaQuality, forceBaseline).chrominance.data())};
}
