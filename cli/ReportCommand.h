#pragma once

#include <string>
#include <vector>

// quantlens-report: inspects every named file (with -r, every JPEG file below
// the named folders) as the Start command does and prints the reports as
// text, JSON lines or CSV. args excludes the program name. Returns the exit
// status: 0 when every file was reported, 1 when any was refused or failed or
// a folder could not be read, 2 on a usage error.
int RunReportCommand(const std::vector<std::wstring>& args);
