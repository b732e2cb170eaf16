// quantlens-report.exe as a child process: a wide command line through
// CreateProcessW, standard output and standard error redirected into files.
#include "tests/unit/ReportProcess.h"

#include "framework/TextEncoding.h"
#include "tests/winsupport/ProgramPaths.h"

#include <windows.h>

namespace {

const DWORD kTimeoutMs = 120000;

// One argument as the C runtime splits a command line. Paths hold no quotes;
// backslashes before the closing quote are doubled.
std::wstring Quote(const std::wstring& arg)
{
    const size_t trailing = arg.size() - (arg.find_last_not_of(L'\\') + 1);
    return L"\"" + arg + std::wstring(trailing, L'\\') + L"\"";
}

HANDLE CreateInheritableFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Reads the file, then deletes it. Wine closes an ended child's copies of
// the inherited handles a moment after its end is signalled, and the file
// cannot go before they do.
std::string TakeText(const std::wstring& path)
{
    const std::vector<unsigned char> bytes = ReadBytes(path);
    for (int attempt = 0; attempt < 200 && !DeleteFileW(path.c_str()); ++attempt)
        Sleep(10);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

CommandResult RunReport(const TempDir& dir, const std::vector<std::wstring>& args, const char* outputTo)
{
    // No shell here to redirect standard output: such a run cannot pass.
    if (outputTo != nullptr)
        return {-1, "", "standard output redirection needs the shell"};
    const std::wstring outPath = dir.File(L"stdout.txt");
    const std::wstring errPath = dir.File(L"stderr.txt");
    // The build knows the program by its Unix path.
    std::wstring command = Quote(WindowsPathOf(Utf8ToWide(QUANTLENS_REPORT_EXE)));
    for (const std::wstring& arg : args)
        command += L" " + Quote(arg);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateInheritableFile(outPath);
    startup.hStdError = CreateInheritableFile(errPath);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    CommandResult result;
    if (!started)
        return result;
    DWORD status = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.status = static_cast<int>(status);
    result.out = TakeText(outPath);
    result.err = TakeText(errPath);
    return result;
}
