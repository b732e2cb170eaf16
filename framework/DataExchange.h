#pragma once

#include <windows.h>

#include <string>

class CWnd;

// The direction and window of one UpdateData run, handed to DoDataExchange
// and on to the DDX_ functions.
class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The dialog control nIDC, or null when the dialog has none.
    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Attaches rControl to the control the first time (it stays attached after).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The control's whole text.
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);
// A combo box's selected index; -1 means no selection, and writing it clears it.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// A check box's state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
