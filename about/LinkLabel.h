#pragma once

#include "about/HoverTracker.h"
#include "framework/Font.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"

#include <string>

// A static text control turned into a hyperlink: underlined text in a link
// colour, the pointing hand, a tooltip showing the target, and a click that
// hands the target to the shell (or, failing that, to the program registered
// for ".htm" files).
class CLinkLabel : public CStatic
{
public:
    CLinkLabel();
    ~CLinkLabel() override;

    // Stores the target; on a live label also refits it and updates the tooltip.
    void SetLinkTarget(const std::wstring& target);
    // Resizes the window to its text, keeping the edge or centre its
    // alignment style names.
    void FitToText();
    // The click: opens the target, records the outcome, reports a failure.
    void OpenLinkTarget();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    HBRUSH CtlColor(HDC hDC, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, POINT point);

    DECLARE_MESSAGE_MAP()

private:
    void CreateUnderlineFont();

    COLORREF m_crLink = RGB(0, 0, 238);
    COLORREF m_crVisited = RGB(85, 26, 139);
    COLORREF m_crHover;
    HoverTracker m_hover;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bFitToText = TRUE;
    std::wstring m_strTarget;
    CFont m_font;
    HCURSOR m_hCursor = nullptr;
    CToolTipCtrl m_toolTip;
};

// The tool id of the label's one tooltip tool.
const UINT_PTR kLinkToolId = 1;

// The English explanation of a ShellExecuteW error code.
std::wstring ShellErrorText(int code);

// The command line that runs the ".htm" opener on target: the registered
// command template cut before its "%1" placeholder (and before the quotation
// mark that opens a quoted one), then a blank and the target.
std::wstring FallbackCommandLine(const std::wstring& commandTemplate, const std::wstring& target);

// The command template of the program registered for opening ".htm" files
// (the default values of HKEY_CLASSES_ROOT\.htm and of its class's
// "\shell\open\command"); false when either key or value is missing.
bool RegisteredHtmlCommand(std::wstring& commandTemplate);
