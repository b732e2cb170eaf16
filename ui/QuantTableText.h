#pragma once

#include "inspect/JpegFacts.h"

#include <cstdint>
#include <string>

// The one text layout of a table: lines "#0:" to "#7:", each with 8 values
// right-aligned in one more column than the table's longest value, joined by
// "\r\n" with none after the last. No table gives the empty string.
std::wstring FormatQuantTable(const std::uint16_t* table);

// The text of the file-table box: the first table under the luminance heading,
// and the second under the chrominance heading when there is one.
std::wstring FileTablesText(const JpegFacts& facts);

// The two texts of the IJG reference pane.
struct ReferenceTexts
{
    std::wstring luminance;
    std::wstring chrominance;
};

// IJG's luminance table at lumaQuality and chrominance table at chromaQuality,
// as the reference pane shows them. Qualities below 1 give quality 1.
ReferenceTexts BuildReferenceTexts(int lumaQuality, int chromaQuality, bool forceBaseline);
