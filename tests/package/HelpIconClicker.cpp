// Clicks the help icon of a running Quantlens main dialog, as its user would,
// and closes the program once the help page has been opened.
//     package_help_clicker RECORD
// Waits for a dialog with the help icon, posts the icon's click, waits for the
// file RECORD (which the opener of the page writes), then closes the dialog.
// Exit code 0 when the page was opened; 1 when no dialog came; 2 when the page
// was not opened (the text of a message box shown instead goes to stderr).
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const DWORD kWindowTimeout = 60000;
const DWORD kOpenTimeout = 30000;

BOOL CALLBACK FindMainDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(hWnd)
        || GetDlgItem(hWnd, IDC_HELP_ICON) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Polls test every 50 ms until it holds or timeout milliseconds have passed.
template <typename Test>
bool WaitFor(DWORD timeout, Test test)
{
    const DWORD start = GetTickCount();
    while (!test()) {
        if (GetTickCount() - start >= timeout)
            return false;
        Sleep(50);
    }
    return true;
}

// A message box the dialog shows instead, named on stderr and closed.
void ReportMessageBox(HWND hDlg)
{
    HWND popup = GetLastActivePopup(hDlg);
    if (popup == hDlg)
        return;
    wchar_t text[512] = {};
    GetDlgItemTextW(popup, 0xFFFF, text, 512);
    std::fprintf(stderr, "message box instead of the page: %s\n", WideToUtf8(text).c_str());
    PostMessageW(popup, WM_COMMAND, IDOK, 0);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputs("usage: package_help_clicker RECORD\n", stderr);
        return 3;
    }
    const std::wstring record = argv[1];
    HWND hDlg = nullptr;
    if (!WaitFor(kWindowTimeout, [&] { EnumWindows(&FindMainDialog, reinterpret_cast<LPARAM>(&hDlg));
                                       return hDlg != nullptr; })) {
        std::fputs("no Quantlens main dialog appeared\n", stderr);
        return 1;
    }
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_HELP_ICON, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_HELP_ICON)));
    const bool opened = WaitFor(kOpenTimeout, [&] {
        return GetFileAttributesW(record.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    if (!opened)
        ReportMessageBox(hDlg);
    PostMessageW(hDlg, WM_CLOSE, 0, 0);
    return opened ? 0 : 2;
}
