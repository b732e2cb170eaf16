#include "provenance/TableSetKey.h"


namespace {

void AppendNumber(std::string& text, std::int32_t value)
{
    if (value >= 0 && value < 10)
        text += static_cast<char>('0' + value);
    else
        text += std::to_string(value);
}

} // namespace

std::string SamplingText(const JpegFacts& facts)
{
    std::string text;
    for (int c = 0; c < facts.components && c < 4; ++c) {
        if (c > 0)
            text += ',';
        AppendNumber(text, facts.hSampling[c]);
        text += 'x';
        AppendNumber(text, facts.vSampling[c]);
    }
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
    std::string key = sampling + "|";
    for (int t = 0; t < facts.tableCount && t < 4; ++t)
        key.append(reinterpret_cast<const char*>(facts.tables[t].data()), sizeof(QuantTable));
    return key;
}

// Made once per run for some 200 rows of 128 numbers: read digit by digit in place.
std::vector<QuantTable> ParseTables(const std::string& text)
{
    std::vector<QuantTable> tables;
    const char* at = text.c_str();
    while (*at) {
        QuantTable table{};
        for (std::uint16_t& entry : table) {
            while (*at == ' ')
                ++at;
            unsigned value = 0;
            const char* digits = at;
            for (; *at >= '0' && *at <= '9' && value <= 65535; ++at)
                value = value * 10 + static_cast<unsigned>(*at - '0');
            if (at == digits || value > 65535)
                return {};
            entry = static_cast<std::uint16_t>(value);
        }
        tables.push_back(table);
        while (*at == ' ')
            ++at;
        if (*at == '|')
            ++at;
        else if (*at)
            return {};
    }
    return tables;
}
