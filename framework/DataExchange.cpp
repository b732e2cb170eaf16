#include "framework/DataExchange.h"

#include "framework/Wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) const
{
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value)
{
    CWnd* control = CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (control == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
        return;
    }
    // Writing the same text again would reset the caret and scroll position.
    std::wstring current;
    control->GetWindowText(current);
    if (current != value)
        control->SetWindowText(value.c_str());
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
