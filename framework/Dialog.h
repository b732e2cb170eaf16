#pragma once

#include "framework/Wnd.h"

// A dialog box from a template: a resource named by its id, or a template in
// memory. The dialog window is subclassed like any other window, so the
// system's dialog procedure does the default processing.
class CDialog : public CWnd
{
    DECLARE_RUNTIME_CLASS(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // For a template in memory, given later to CreateIndirect or InitModalIndirect.
    CDialog();
    ~CDialog() override;

    // Runs the dialog modally in a message loop of its own: the owner (the
    // parent given, else the main window) is disabled meanwhile. Returns the
    // value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog modelessly; the owner as for DoModal.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Ends a modal dialog with nResult as DoModal's value (and hides it).
    void EndDialog(int nResult);

    // Runs when the dialog is created: writes the members into the controls.
    // TRUE lets the system put the focus on the first tab stop.
    virtual BOOL OnInitDialog();

    // Offers keyboard and mouse messages to the dialog's keyboard interface
    // (IsDialogMessage: Tab, Enter, Escape, mnemonics).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Commands not handled by the dialog go on to the application.
    bool OnCmdMsg(UINT nID, UINT nCode) override;

protected:
    // IDOK: takes the controls into the members, then ends with IDOK.
    virtual void OnOK();
    // IDCANCEL: ends with IDCANCEL.
    virtual void OnCancel();

    // The owner window of a modal dialog: the parent given, else the main
    // window (its top-level window); null when that is this dialog itself.
    HWND PreModal() const;

    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL CreateFromTemplate(HWND hWndOwner);

    LPCWSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    INT_PTR m_nModalResult = -1;
    bool m_bContinueModal = false;
};
