#include "framework/Dialog.h"

#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "framework/MessageLoop.h"
#include "framework/WinApp.h"

IMPLEMENT_RUNTIME_CLASS(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate))
{
}

CDialog::CDialog() = default;

CDialog::~CDialog() = default;

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
    m_lpDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(PreModal());
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(PreModal());
}

HWND CDialog::PreModal() const
{
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndOwner = owner != nullptr ? owner->m_hWnd : nullptr;
    if (hWndOwner == nullptr)
        return nullptr;
    // A pop-up cannot be owned by a child window.
    hWndOwner = GetAncestor(hWndOwner, GA_ROOT);
    // Over the main window, a dialog belongs above whatever modal window it shows.
    if (m_pParentWnd == nullptr)
        hWndOwner = GetLastActivePopup(hWndOwner);
    return hWndOwner != m_hWnd ? hWndOwner : nullptr;
}

BOOL CDialog::CreateFromTemplate(HWND hWndOwner)
{
    if (m_hWnd != nullptr)
        return FALSE;
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    HWND hWnd = m_lpDialogTemplate != nullptr
        ? CreateDialogIndirectParamW(AfxGetInstanceHandle(), m_lpDialogTemplate, hWndOwner,
                                     &DialogProc, self)
        : CreateDialogParamW(AfxGetResourceHandle(), m_lpszTemplateName, hWndOwner,
                             &DialogProc, self);
    return hWnd != nullptr && hWnd == m_hWnd;
}

// The dialog procedure only attaches the object when the dialog initialises;
// from then on the object's window procedure sees every message first and
// leaves the rest to the system's dialog procedure, which calls this one
// (FALSE: default processing).
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog->SubclassWindow(hWnd))
        return TRUE;
    try {
        return dialog->OnInitDialog();
    } catch (CException* e) {
        AfxReportException(e);
        return TRUE;
    }
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr)
        return -1;
    HWND hWndOwner = PreModal();
    const bool disableOwner = hWndOwner != nullptr && IsWindowEnabled(hWndOwner);
    if (disableOwner)
        EnableWindow(hWndOwner, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = true;  // before creation: OnInitDialog may end the dialog
    if (CreateFromTemplate(hWndOwner)) {
        if (m_bContinueModal && (GetStyle() & WS_VISIBLE) == 0)
            ShowWindow(m_hWnd, SW_SHOWNORMAL);
        while (m_bContinueModal && m_hWnd != nullptr) {
            int quitCode = 0;
            if (!AfxPumpMessage(m_hWnd, quitCode)) {
                PostQuitMessage(quitCode);  // for the loop further out
                break;
            }
        }
    }
    m_bContinueModal = false;

    // Re-enable the owner before the dialog goes, so that activation returns to it.
    if (disableOwner)
        EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && GetActiveWindow() == m_hWnd)
        SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = false;
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    const UINT message = pMsg->message;
    const bool isInput = (message >= WM_KEYFIRST && message <= WM_KEYLAST)
                         || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
    return isInput && IsDialogMessageW(m_hWnd, pMsg);
}

bool CDialog::OnCmdMsg(UINT nID, UINT nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return true;
    CWinApp* app = AfxGetApp();
    return nCode == 0 && app != nullptr && app->OnCmdMsg(nID, nCode);
}
