#pragma once

#include "inspect/InspectionRun.h"

#include <string>

// The human-readable report of one inspected file, lines ending in "\n".
std::wstring OutcomeText(const std::wstring& path, const InspectionOutcome& outcome);

// One JSON object (no line break) describing one inspected file.
std::string OutcomeJson(const std::wstring& path, const InspectionOutcome& outcome);
