// A program, copied under several names by the tests, that creates the main
// dialog, clicks its help icon once and reports to the file named by its first
// argument, UTF-8, one item a line, fields separated by tabs:
//     page <help page path>
//     box <caption> <text> <type, decimal>     (each message box shown)
//     clicked
#include "about/ShellOpen.h"
#include "framework/MessageBox.h"
#include "framework/TextEncoding.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/about/FirstArgument.h"
#include "tests/support/TempDir.h"
#include "ui/InspectorDlg.h"

#include <string>

namespace {

std::wstring g_report;

int WINAPI RecordBox(HWND, const wchar_t* text, const wchar_t* caption, UINT type)
{
    g_report += std::wstring(L"box\t") + caption + L"\t" + text + L"\t" + std::to_wstring(type) + L"\n";
    return IDOK;
}

class CHelpPageProbeApp : public CWinApp
{
public:
    BOOL InitInstance() override;

private:
    void ClickHelpIcon();
};

CHelpPageProbeApp theApp;

void CHelpPageProbeApp::ClickHelpIcon()
{
    CInspectorDlg dlg;
    m_pMainWnd = &dlg;
    if (dlg.Create(IDD_MAIN)) {
        SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HELP_ICON, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg.m_hWnd, IDC_HELP_ICON)));
        g_report += L"clicked\n";
        dlg.DestroyWindow();
    }
    m_pMainWnd = nullptr;
}

BOOL CHelpPageProbeApp::InitInstance()
{
    const std::wstring reportPath = FirstArgument();
    if (reportPath.empty())
        return FALSE;
    AfxSetMessageBoxHandler(&RecordBox);
    g_report = L"page\t" + HelpPagePath() + L"\n";
    ClickHelpIcon();
    const std::string report = WideToUtf8(g_report);
    WriteBytes(reportPath, std::vector<unsigned char>(report.begin(), report.end()));
    return FALSE;
}

} // namespace
