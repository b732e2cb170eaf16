#include "provenance/TableSetKey.h"

#include <sstream>

std::string SamplingText(const JpegFacts& facts)
{
    std::string text;
    for (int c = 0; c < facts.components && c < 4; ++c)
        text += (c > 0 ? "," : "") + std::to_string(facts.hSampling[c]) + "x" + std::to_string(facts.vSampling[c]);
    return text;
}

std::string TableSetKey(const std::string& sampling, const std::vector<QuantTable>& tables)
{
    std::string key = sampling + "|";
    for (const QuantTable& table : tables)
        key.append(reinterpret_cast<const char*>(table.data()), sizeof(QuantTable));
    return key;
}

std::string TableSetKey(const std::string& sampling, const JpegFacts& facts)
{
    return TableSetKey(sampling, std::vector<QuantTable>(facts.tables, facts.tables + facts.tableCount));
}

std::vector<QuantTable> ParseTables(const std::string& text)
{
    std::vector<QuantTable> tables;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, '|');) {
        std::istringstream numbers(part);
        QuantTable table{};
        size_t count = 0;
        for (unsigned value; count < table.size() && numbers >> value; ++count)
            table[count] = static_cast<std::uint16_t>(value);
        if (count != table.size())
            return {};
        tables.push_back(table);
    }
    return tables;
}
