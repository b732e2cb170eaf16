#include "provenance/TsvRows.h"

#include <sstream>

namespace {

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t begin = 0;
    for (size_t tab; (tab = line.find('\t', begin)) != std::string::npos; begin = tab + 1)
        fields.push_back(line.substr(begin, tab - begin));
    fields.push_back(line.substr(begin));
    return fields;
}

const std::string kEmpty;

} // namespace

TsvRows::TsvRows(const char* text)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (m_columns.empty())
            m_columns = SplitTabs(line);
        else
            m_rows.push_back(SplitTabs(line));
    }
}

const std::string& TsvRows::Field(size_t row, const char* column) const
{
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c] == column)
            return c < m_rows[row].size() ? m_rows[row][c] : kEmpty;
    return kEmpty;
}
