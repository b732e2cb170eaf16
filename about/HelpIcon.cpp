#include "about/HelpIcon.h"

#include "about/AboutDlg.h"
#include "about/ShellOpen.h"
#include "framework/WinApp.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CHelpIcon, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

void CHelpIcon::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    if (m_nMode != ModeInert && m_hCursor == nullptr)
        m_hCursor = LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_HAND_CURSOR));
    CStatic::PreSubclassWindow();
}

void CHelpIcon::SetIconImage(WORD nIconID, int nSide)
{
    if (nSide <= 32)
        return;
    if (nSide <= 48)
        nSide = 48;
    HICON icon = static_cast<HICON>(LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIconID),
                                               IMAGE_ICON, nSide, nSide, LR_DEFAULTCOLOR));
    if (icon == nullptr)
        return;
    ModifyStyle(0, SS_CENTERIMAGE | SS_REALSIZEIMAGE);
    HICON previous = SetIcon(icon);
    if (previous != nullptr)
        DestroyIcon(previous);
    SetWindowPos(nullptr, 0, 0, nSide, nSide, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CHelpIcon::OnSetCursor(CWnd*, UINT, UINT)
{
    return ShowControlCursor(m_hCursor);
}

void CHelpIcon::OnMouseMove(UINT, POINT point)
{
    Default();
    if (m_nMode != ModeInert)
        m_hover.OnMouseMove(*this, point);
}

void CHelpIcon::OnClicked()
{
    m_hover.Leave(*this);
    if (m_nMode == ModeAbout) {
        CAboutDlg about;
        about.DoModal();
    } else if (m_nMode == ModeHelpPage) {
        OpenHelpPage();
    }
}
