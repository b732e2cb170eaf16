#include "tests/unit/ReportProcess.h"

#include "framework/TextEncoding.h"

#include <cstdio>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

// One argument for the command interpreter: in double quotes for cmd.exe
// (where names cannot hold them), in single quotes for the POSIX shell.
std::string Quote(const std::wstring& arg)
{
#ifdef _WIN32
    return "\"" + WideToUtf8(arg) + "\"";
#else
    std::string quoted = "'";
    for (char c : WideToUtf8(arg))
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

} // namespace

CommandResult RunReport(const TempDir& dir, const std::vector<std::wstring>& args, const char* outputTo)
{
    const std::wstring errPath = dir.File(L"stderr.txt");
    std::string command = Quote(Utf8ToWide(QUANTLENS_REPORT_EXE));
    for (const std::wstring& arg : args)
        command += " " + Quote(arg);
    command += " 2>" + Quote(errPath);
    if (outputTo != nullptr)
        command += std::string(" >") + outputTo;
#ifdef _WIN32
    // cmd.exe strips the outer quotes of a command that starts with one.
    command = "\"" + command + "\"";
    std::FILE* pipe = _wpopen(Utf8ToWide(command).c_str(), L"rb");
#else
    std::FILE* pipe = popen(command.c_str(), "r");
#endif
    CommandResult result;
    if (pipe == nullptr)
        return result;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
#ifdef _WIN32
    result.status = _pclose(pipe);
#else
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    const std::vector<unsigned char> err = ReadBytes(errPath);
    result.err.assign(err.begin(), err.end());
    return result;
}

std::vector<JsonValue> JsonLines(const std::string& out)
{
    std::vector<JsonValue> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line != "\r")
            lines.push_back(ParseJson(line));
    return lines;
}
