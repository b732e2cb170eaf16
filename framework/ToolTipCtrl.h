#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// A tooltip control ("tooltips_class32"). Tools see the mouse only through
// RelayEvent, which the owner calls from its PreTranslateMessage.
class CToolTipCtrl : public CWnd
{
public:
    // Creates the tooltip window, owned by pParentWnd.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // Adds a tool with its text. Without a rectangle and tool id the tool is
    // the whole window pWnd, identified by its handle; otherwise it is the
    // rectangle lpRectTool (client coordinates of pWnd) under id nIDTool.
    BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    // The same with the text in string resource nIDText, which the tooltip
    // loads from the program's resources itself.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void RelayEvent(LPMSG lpMsg);

private:
    static TTTOOLINFOW MakeToolInfo(CWnd* pWnd, LPCRECT lpRectTool, UINT_PTR nIDTool);
};
