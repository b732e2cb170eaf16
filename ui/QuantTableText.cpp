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

// Writes value right-aligned in a field of width characters ("%<width>d")
// at out; returns the end. The digits are made by hand: std::to_wstring goes
// through swprintf, which made this the costliest step of a batch report.
wchar_t* PutPadded(wchar_t* out, unsigned value, int width)
{
    wchar_t* fieldEnd = out + width;
    wchar_t* p = fieldEnd;
    do {
        *--p = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (p != out)
        *--p = L' ';
    return fieldEnd;
}

// Eight rows of "#r:", eight fields of at most six characters and "\r\n".
constexpr size_t kLongestTableText = 8 * (3 + 8 * 6 + 2);

// Appends the table's text to text, in place.
void AppendQuantTable(std::wstring& text, const std::uint16_t* table)
{
    const std::uint16_t largest = *std::max_element(table, table + 64);
    const int width = DecimalDigits(largest) + 1;

    const size_t start = text.size();
    text.resize(start + kLongestTableText);
    wchar_t* end = text.data() + start;
    for (int row = 0; row < 8; ++row) {
        *end++ = L'#';
        *end++ = static_cast<wchar_t>(L'0' + row);
        *end++ = L':';
        for (int column = 0; column < 8; ++column)
            end = PutPadded(end, table[8 * row + column], width);
        if (row < 7) {
            *end++ = L'\r';
            *end++ = L'\n';
        }
    }
    text.resize(end - text.data());
}

} // namespace

std::wstring FormatQuantTable(const std::uint16_t* table)
{
    std::wstring text;
    if (table != nullptr)
        AppendQuantTable(text, table);
    return text;
}

std::wstring FileTablesText(const JpegFacts& facts)
{
    std::wstring text;
    text.reserve(2 * kLongestTableText + 16);
    text += L"亮度量化表：\r\n";
    AppendQuantTable(text, facts.tables[0].data());
    if (facts.tableCount > 1) {
        text += L"\r\n\r\n色度量化表：\r\n";
        AppendQuantTable(text, facts.tables[1].data());
    }
    return text;
}

ReferenceTexts BuildReferenceTexts(int lumaQuality, int chromaQuality, bool forceBaseline)
{
    return {FormatQuantTable(BuildIjgTables(lumaQuality, forceBaseline).luminance.data()),
            FormatQuantTable(BuildIjgTables(chromaQuality, forceBaseline).chrominance.data())};
}
