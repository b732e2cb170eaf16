#include "tests/about/AboutProbe.h"

#include "about/LinkLabel.h"
#include "tests/winsupport/ProgramPaths.h"

#include <commctrl.h>

#include <vector>

StaticColours ColoursOf(HWND hDlg, int nID)
{
    HWND hCtl = GetDlgItem(hDlg, nID);
    HDC hDC = GetDC(hCtl);
    SetTextColor(hDC, RGB(1, 2, 3));
    SetBkMode(hDC, OPAQUE);
    const LRESULT brush = SendMessageW(hDlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                       reinterpret_cast<LPARAM>(hCtl));
    const StaticColours colours = {GetTextColor(hDC), GetBkMode(hDC), reinterpret_cast<HBRUSH>(brush)};
    ReleaseDC(hCtl, hDC);
    return colours;
}

namespace {

BOOL CALLBACK CollectToolTips(HWND hWnd, LPARAM lParam)
{
    wchar_t className[64] = {};
    GetClassNameW(hWnd, className, 64);
    if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

std::wstring ToolTipText(HWND hWndTool, UINT_PTR nIDTool)
{
    std::vector<HWND> toolTips;
    EnumThreadWindows(GetCurrentThreadId(), &CollectToolTips, reinterpret_cast<LPARAM>(&toolTips));
    for (HWND toolTip : toolTips) {
        wchar_t text[512] = {};
        TTTOOLINFOW info = {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = hWndTool;
        info.uId = nIDTool;
        info.lpszText = text;
        if (SendMessageW(toolTip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) == 0)
            continue;
        SendMessageW(toolTip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&info));
        return text;
    }
    return L"";
}

RECT RectInParent(HWND hWnd)
{
    RECT rect;
    GetWindowRect(hWnd, &rect);
    MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE TextExtentOf(HWND hWnd)
{
    wchar_t text[256] = {};
    const int length = GetWindowTextW(hWnd, text, 256);
    HDC hDC = GetDC(hWnd);
    HGDIOBJ old = SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    GetTextExtentPoint32W(hDC, text, length, &extent);
    SelectObject(hDC, old);
    ReleaseDC(hWnd, hDC);
    return extent;
}

void ClickStatic(HWND hDlg, int nID)
{
    SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nID)));
}

CLinkLabel* LinkLabelOf(HWND hDlg, int nID)
{
    return dynamic_cast<CLinkLabel*>(CWnd::FromHandlePermanent(GetDlgItem(hDlg, nID)));
}

std::wstring LinkTargetProgramPath()
{
    return ProgramBesideTests(LINK_TARGET_PROGRAM);
}
