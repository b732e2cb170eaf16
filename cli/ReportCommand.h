#pragma once

#include <string>
#include <vector>

// quantlens-report: inspects every named file as the Start command does and
// prints the reports. args excludes the program name. Returns the exit status:
// 0 when every file was reported, 1 when any was refused or failed, 2 on a
// usage error.
int RunReportCommand(const std::vector<std::wstring>& args);
