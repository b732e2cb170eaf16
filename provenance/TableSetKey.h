#pragma once

#include "inspect/JpegFacts.h"

#include <string>
#include <vector>

// A file's tables (and sampling) as one string, for looking a table set up:
// the sampling as the facts write it ("1x1,2x1,2x1"), then each table's bytes.
std::string SamplingText(const JpegFacts& facts);
std::string TableSetKey(const std::string& sampling, const std::vector<QuantTable>& tables);
std::string TableSetKey(const std::string& sampling, const JpegFacts& facts);

// "16 11 10 …|17 18 …" (64 numbers a table, natural order) as tables; empty
// when the text is not such a list.
std::vector<QuantTable> ParseTables(const std::string& text);
