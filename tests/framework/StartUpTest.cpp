// The framework's entry point, run in a copy of the probe program under
// another name: application title, command line, exit code.

#include "framework/CommandLineInfo.h"
#include "tests/support/TempDir.h"
#include "tests/winsupport/ProgramPaths.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct ProbeRun
{
    DWORD exitCode = 0xFFFFFFFF;
    std::vector<std::wstring> report;  // the lines the probe wrote
};

std::vector<std::wstring> Lines(const std::vector<unsigned char>& bytes)
{
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Copies the probe to exeName in a fresh folder and runs it with arguments.
ProbeRun RunProbeAs(const std::wstring& exeName, const std::wstring& arguments)
{
    TempDir dir;
    const std::wstring exe = dir.File(exeName);
    const std::wstring report = dir.File(L"report.txt");
    ProbeRun run;
    if (!CopyFileW(ProgramBesideTests(L"framework_probe.exe").c_str(), exe.c_str(), FALSE)) {
        ADD_FAILURE() << "framework_probe.exe not found beside the tests";
        return run;
    }
    SetEnvironmentVariableW(L"QUANTLENS_PROBE_REPORT", report.c_str());
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"QUANTLENS_PROBE_REPORT", nullptr);
    if (!started) {
        ADD_FAILURE() << "the probe did not start";
        return run;
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.report = Lines(ReadBytes(report));
    return run;
}

TEST(StartUp, RenamedCopyShowsItsOwnNameAndOpensTheQuotedPath)
{
    const ProbeRun run = RunProbeAs(L"renamed probe.exe", L"\"D:\\my pics\\a b.jpg\" second.jpg");
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(4u, run.report.size());
    EXPECT_EQ(L"renamed probe", run.report[0]);
    EXPECT_EQ(std::to_wstring(CCommandLineInfo::FileOpen), run.report[1]);
    EXPECT_EQ(L"D:\\my pics\\a b.jpg", run.report[2]);
    EXPECT_EQ(L"app", run.report[3]);
}

TEST(StartUp, PrintSwitchOnTheRealCommandLineKeepsTheFileClosed)
{
    const ProbeRun run = RunProbeAs(L"qv.exe", L"/p C:\\a.jpg");
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(4u, run.report.size());
    EXPECT_EQ(L"qv", run.report[0]);
    EXPECT_EQ(std::to_wstring(CCommandLineInfo::FilePrint), run.report[1]);
}

} // namespace
