#include "framework/ToolTipCtrl.h"

#include "framework/WinApp.h"

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    const RECT rect = {};  // the tooltip sizes and places itself
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, rect, pParentWnd, 0);
}

TTTOOLINFOW CToolTipCtrl::MakeToolInfo(CWnd* pWnd, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TTTOOLINFOW info = {};
    // The size of the record that common controls 5 know; they refuse a larger one.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (lpRectTool == nullptr && nIDTool == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = ::GetParent(pWnd->m_hWnd);
        info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        info.hwnd = pWnd->m_hWnd;
        info.uId = nIDTool;
        if (lpRectTool != nullptr)
            info.rect = *lpRectTool;
        else
            pWnd->GetClientRect(&info.rect);
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TTTOOLINFOW info = MakeToolInfo(pWnd, lpRectTool, nIDTool);
    info.lpszText = const_cast<LPWSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TTTOOLINFOW info = MakeToolInfo(pWnd, lpRectTool, nIDTool);
    info.hinst = AfxGetResourceHandle();
    info.lpszText = MAKEINTRESOURCEW(nIDText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW info = MakeToolInfo(pWnd, nullptr, nIDTool);
    info.lpszText = const_cast<LPWSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}
