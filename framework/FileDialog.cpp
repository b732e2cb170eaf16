#include "framework/FileDialog.h"

#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

#include <algorithm>

namespace {

const size_t kFileNameChars = 32768;

} // namespace

IMPLEMENT_RUNTIME_CLASS(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName,
                         DWORD dwFlags, LPCWSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName(kFileNameChars, L'\0')
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.lpstrFile = m_szFileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_szFileName.size());
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle / sizeof m_szFileTitle[0];
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    m_ofn.lpfnHook = &HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFileName != nullptr)
        lstrcpynW(m_ofn.lpstrFile, lpszFileName, static_cast<int>(m_ofn.nMaxFile));
    if (lpszFilter != nullptr) {
        m_strFilter = lpszFilter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), L'|', L'\0');
        m_strFilter.push_back(L'\0');  // the list ends with an empty piece even without "||"
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

CFileDialog::CModalScope::CModalScope(CFileDialog& dialog)
    : m_hWndFocus(::GetFocus()), m_hWndOwner(dialog.PreModal())
{
    dialog.m_ofn.hwndOwner = m_hWndOwner;
    m_bEnableOwner = m_hWndOwner != nullptr && IsWindowEnabled(m_hWndOwner);
    if (m_bEnableOwner)
        EnableWindow(m_hWndOwner, FALSE);
}

CFileDialog::CModalScope::~CModalScope()
{
    if (m_bEnableOwner)
        EnableWindow(m_hWndOwner, TRUE);
    if (IsWindow(m_hWndFocus))
        SetFocus(m_hWndFocus);
}

INT_PTR CFileDialog::DoModal()
{
    CModalScope modal(*this);
    // The 76-byte record is the start of the current OPENFILENAMEW, and its
    // size field tells the system so.
    auto* record = reinterpret_cast<OPENFILENAMEW*>(&m_ofn);
    const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(record) : GetSaveFileNameW(record);
    return chosen ? IDOK : IDCANCEL;
}

std::wstring CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile;
}

void CFileDialog::OnInitDone()
{
}

void CFileDialog::OnOK()
{
    Default();
}

void CFileDialog::OnCancel()
{
    Default();
}

// The chooser calls its hook for the messages of the hook dialog, a child of
// the chooser window: at WM_INITDIALOG (lParam: the record handed to the
// system) the object is attached to that dialog.
UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    try {
        if (message == WM_INITDIALOG) {
            auto* dialog = reinterpret_cast<CFileDialog*>(
                reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
            if (dialog->SubclassWindow(hWnd))
                return dialog->OnInitDialog();
        } else if (message == WM_NOTIFY
                   && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
            // Only a CFileDialog is ever attached to a window with this hook.
            if (auto* dialog = static_cast<CFileDialog*>(FromHandlePermanent(hWnd)))
                dialog->OnInitDone();
        }
    } catch (CException* e) {
        AfxReportException(e);
    }
    return 0;
}
