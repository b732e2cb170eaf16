#include "framework/MessageBox.h"

#include "framework/Exception.h"
#include "framework/Wnd.h"
#include "framework/WinApp.h"

namespace {

AfxMessageBoxHandler g_handler = &MessageBoxW;

// The owner: the main window, or the modal window it is showing (the About
// box, say), so that the message box is modal over what the user sees.
HWND MessageBoxOwner()
{
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd == nullptr || mainWnd->m_hWnd == nullptr)
        return nullptr;
    return GetLastActivePopup(mainWnd->m_hWnd);
}

} // namespace

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler)
{
    AfxMessageBoxHandler previous = g_handler;
    g_handler = handler != nullptr ? handler : &MessageBoxW;
    return previous;
}

int AfxMessageBox(const wchar_t* lpszText, UINT nType)
{
    if ((nType & MB_ICONMASK) == 0)
        nType |= MB_ICONEXCLAMATION;
    CWinApp* app = AfxGetApp();
    const wchar_t* caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : L"";
    return g_handler(MessageBoxOwner(), lpszText, caption, nType);
}

void AfxReportException(CException* e)
{
    wchar_t text[1024];
    const bool hasText = e->GetErrorMessage(text, sizeof text / sizeof text[0]);
    AfxMessageBox(hasText ? text : L"Internal application error.", MB_OK | MB_ICONSTOP);
    e->Delete();
}
