// A program on the framework's own entry point, run by the start-up tests. Its
// InitInstance writes what the framework gave it to the file named by the
// environment variable QUANTLENS_PROBE_REPORT, one item a line (UTF-16):
// application title, shell command, file name, whether AfxGetApp() is this
// object; then returns FALSE, which ends the program.

#include "framework/CommandLineInfo.h"
#include "framework/WinApp.h"

#include <string>

namespace {

class CProbeApp : public CWinApp
{
public:
    BOOL InitInstance() override;
};

CProbeApp theApp;

void WriteReport(const std::wstring& text)
{
    wchar_t path[MAX_PATH];
    if (GetEnvironmentVariableW(L"QUANTLENS_PROBE_REPORT", path, MAX_PATH) == 0)
        return;
    HANDLE hFile = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(hFile, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(hFile);
}

BOOL CProbeApp::InitInstance()
{
    CCommandLineInfo info;
    ParseCommandLine(info);
    WriteReport(std::wstring(m_pszAppName) + L"\n" + std::to_wstring(info.m_nShellCommand) + L"\n"
                + info.m_strFileName + L"\n" + (AfxGetApp() == this ? L"app" : L"no app") + L"\n");
    return FALSE;
}

} // namespace
