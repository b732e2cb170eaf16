#include "tests/gui/RunningProgram.h"

#include "tests/winsupport/ProgramPaths.h"

namespace {

const DWORD kTimeoutMs = 20000;
const DWORD kPollMs = 50;

struct DialogSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    wchar_t caption[32] = {};
    GetWindowTextW(hWnd, caption, 32);
    if (processId == search->processId && std::wstring(caption) == L"Quantlens" && IsWindowVisible(hWnd)) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

RunningProgram::RunningProgram(const std::wstring& arguments)
{
    const std::wstring executable = WindowsPathOf(QUANTLENS_EXECUTABLE);
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    if (!Start(executable, commandLine))
        return;
    WaitForInputIdle(m_process.hProcess, kTimeoutMs);
    for (DWORD waited = 0; m_hWndDialog == nullptr && waited < kTimeoutMs; waited += kPollMs) {
        m_hWndDialog = FindDialog();
        if (m_hWndDialog == nullptr)
            Sleep(kPollMs);
    }
}

RunningProgram::~RunningProgram()
{
    if (m_process.hProcess == nullptr)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

// Wine has refused a start once, a few milliseconds after the previous
// program ended; one more try after a pause tells that apart from a fault.
bool RunningProgram::Start(const std::wstring& executable, const std::wstring& commandLine)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0)
            Sleep(500);
        // CreateProcessW may write into the command line: each try gets a copy.
        std::wstring line = commandLine;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (CreateProcessW(executable.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &m_process))
            return true;
        m_startError = GetLastError();
    }
    return false;
}

std::wstring RunningProgram::Failure() const
{
    if (m_process.hProcess == nullptr)
        return L"CreateProcessW failed with error " + std::to_wstring(m_startError);
    return m_hWndDialog == nullptr ? L"the dialog did not appear" : L"";
}

HWND RunningProgram::FindDialog() const
{
    DialogSearch search = {m_process.dwProcessId, nullptr};
    EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring RunningProgram::Text(int nID) const
{
    // WM_GETTEXT is carried across processes by the system.
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(GetDlgItem(m_hWndDialog, nID), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kTimeoutMs, &length);
    return text;
}

std::wstring RunningProgram::WaitForText(int nID) const
{
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        const std::wstring text = Text(nID);
        if (!text.empty())
            return text;
        Sleep(kPollMs);
    }
    return L"";
}

bool RunningProgram::Close(DWORD& exitCode)
{
    PostMessageW(m_hWndDialog, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.hProcess, &exitCode) != FALSE;
}
