#pragma once

#include "cli/FileReport.h"

#include <string>

// The human-readable report of one file, lines ending in "\n": the report
// fields with their labels, one exact-match line per found table, the tables.
std::wstring OutcomeText(const FileReport& file);

// One JSON object (no line break) describing one file.
std::string OutcomeJson(const FileReport& file);

// "ok", "refused" or "error", as the JSON and CSV outputs name the status.
const wchar_t* StatusName(InspectionOutcome::Status status);
