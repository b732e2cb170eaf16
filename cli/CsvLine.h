#pragma once

#include <string>
#include <vector>

// One CSV record as RFC 4180 writes it: fields joined by commas, a field
// holding a comma, a double quote, CR or LF enclosed in double quotes with its
// quotes doubled, and CRLF at the end. Fields are UTF-8.
std::string CsvLine(const std::vector<std::string>& fields);
