#pragma once

#include "cli/FileReport.h"

#include <string>

// The CSV output: a header row, then one row per file with the path, the
// status and message, the report texts, the quality-mismatch flag and the
// exact-match summary, and the traces verdict and first quality (empty
// without --traces).
std::string CsvHeaderLine();
std::string OutcomeCsvLine(const FileReport& file);
