#pragma once

#include <string>
#include <vector>

// The rows of a tab-separated data file: lines starting with '#' are comments,
// the first other line names the columns; a row missing columns gets empty ones.
class TsvRows
{
public:
    explicit TsvRows(const char* text);

    size_t Size() const { return m_rows.size(); }
    // The field of row in the named column; empty when there is no such column.
    const std::string& Field(size_t row, const char* column) const;

private:
    std::vector<std::string> m_columns;
    std::vector<std::vector<std::string>> m_rows;
};
