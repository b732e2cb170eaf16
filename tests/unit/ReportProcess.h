#pragma once

#include "tests/support/JsonTree.h"
#include "tests/support/TempDir.h"

#include <string>
#include <vector>

// quantlens-report run as scripts use it: a separate process, its standard
// output, its standard error (through a file in dir) and its exit status.
struct CommandResult
{
    int status = -1;
    std::string out;
    std::string err;
};

// The separator the report command puts between a walked folder and its entries.
#ifdef _WIN32
const wchar_t kSeparator = L'\\';
#else
const wchar_t kSeparator = L'/';
#endif

// outputTo, when given, is where the shell sends standard output instead of the pipe.
CommandResult RunReport(const TempDir& dir, const std::vector<std::wstring>& args, const char* outputTo = nullptr);

// The JSON objects of --json output, one per non-empty line.
std::vector<JsonValue> JsonLines(const std::string& out);
