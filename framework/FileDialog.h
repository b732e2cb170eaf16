#pragma once

#include "framework/Dialog.h"

#include <commdlg.h>

#include <string>
#include <vector>

// The system's file-open or file-save chooser (Explorer style, with a hook
// through which the chooser reaches this object: OnInitDialog when its hook
// dialog is created, OnInitDone when it has finished initialising).
class CFileDialog : public CDialog
{
    DECLARE_RUNTIME_CLASS(CFileDialog)
public:
    // lpszFilter: pairs of description and pattern separated by '|', ended
    // by "||", e.g. "JPEG Files(*.jpg)|*.jpg;*.jpeg|All Files(*.*)|*.*||".
    // OFN_EXPLORER, OFN_ENABLEHOOK and OFN_ENABLESIZING are added to dwFlags.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr,
                         LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCWSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    // The chosen file's full path.
    std::wstring GetPathName() const;

    // The parameter record in its original 76-byte form. Its lCustData holds
    // this object, through which the hook finds it: a subclass that hands the
    // system a record of its own copies the fields along.
    OPENFILENAME_NT4W m_ofn;

protected:
    // The bookkeeping around one run of the chooser: remembers the focus,
    // sets m_ofn.hwndOwner to the owner the framework determines and disables
    // it; the destructor enables the owner again and gives the focus back.
    class CModalScope
    {
    public:
        explicit CModalScope(CFileDialog& dialog);
        CModalScope(const CModalScope&) = delete;
        CModalScope& operator=(const CModalScope&) = delete;
        ~CModalScope();

    private:
        HWND m_hWndFocus;
        HWND m_hWndOwner;
        bool m_bEnableOwner;
    };

    // CDN_INITDONE. This object is attached to the chooser's hook dialog; the
    // chooser window that holds the controls is GetParent().
    virtual void OnInitDone();
    // The chooser ends itself; its hook dialog leaves these to the system.
    void OnOK() override;
    void OnCancel() override;

    BOOL m_bOpenFileDialog;

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring m_strDefExt;
    std::wstring m_strFilter;              // the filter with '|' turned into '\0'
    std::vector<wchar_t> m_szFileName;     // the longest path the system allows
    wchar_t m_szFileTitle[64] = {};
};
