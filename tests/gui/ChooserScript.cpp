#include "tests/gui/ChooserScript.h"

#include <dlgs.h>

namespace {

// One script at a time: hooks carry no context of their own.
ChooserScript* g_pActive = nullptr;

const OFNOTIFYW* ChooserNotification(UINT message, LPARAM lParam, UINT code)
{
    if (message != WM_NOTIFY)
        return nullptr;
    const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
    return notify->hdr.code == code ? notify : nullptr;
}

std::wstring WindowText(HWND hWnd)
{
    std::wstring text(GetWindowTextLengthW(hWnd) + 1, L'\0');
    text.resize(GetWindowTextW(hWnd, &text[0], static_cast<int>(text.size())));
    return text;
}

std::vector<std::wstring> ComboItems(HWND hCombo)
{
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring item(SendMessageW(hCombo, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        item.resize(SendMessageW(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0])));
        items.push_back(item);
    }
    return items;
}

} // namespace

ChooserScript::ChooserScript(std::wstring pathToType)
    : m_strPathToType(std::move(pathToType)),
      m_hBefore(SetWindowsHookExW(WH_CALLWNDPROC, &BeforeWindowProc, nullptr, GetCurrentThreadId())),
      m_hAfter(SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterWindowProc, nullptr, GetCurrentThreadId()))
{
    g_pActive = this;
}

ChooserScript::~ChooserScript()
{
    UnhookWindowsHookEx(m_hAfter);
    UnhookWindowsHookEx(m_hBefore);
    g_pActive = nullptr;
}

LRESULT CALLBACK ChooserScript::BeforeWindowProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_pActive != nullptr && g_pActive->m_onFileOk) {
        if (const OFNOTIFYW* notify = ChooserNotification(call->message, call->lParam, CDN_FILEOK))
            g_pActive->m_onFileOk(notify->lpOFN->lpstrFile);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ChooserScript::AfterWindowProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && g_pActive != nullptr && !g_pActive->m_view.shown) {
        if (const OFNOTIFYW* notify = ChooserNotification(call->message, call->lParam, CDN_INITDONE))
            g_pActive->OnInitDone(call->hwnd, *notify);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ChooserScript::OnInitDone(HWND hWndHookDialog, const OFNOTIFYW& notify)
{
    // The notification goes to the hook dialog inside the chooser window.
    HWND chooser = GetParent(hWndHookDialog);
    m_view.shown = true;
    m_view.title = WindowText(chooser);
    m_view.fileTypes = ComboItems(GetDlgItem(chooser, cmb1));
    m_view.selectedFileType = static_cast<int>(SendDlgItemMessageW(chooser, cmb1, CB_GETCURSEL, 0, 0));
    m_view.recordSize = notify.lpOFN->lStructSize;
    m_view.flags = notify.lpOFN->Flags;
    m_view.owner = GetWindow(chooser, GW_OWNER);
    m_view.ownerEnabled = IsWindowEnabled(m_view.owner);
    GetWindowRect(chooser, &m_view.window);
    // The user acts once the chooser runs its message loop.
    m_hWndChooser = chooser;
    SetTimer(nullptr, 0, 0, &Act);
}

void CALLBACK ChooserScript::Act(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    if (g_pActive == nullptr)
        return;
    HWND chooser = g_pActive->m_hWndChooser;
    const std::wstring& path = g_pActive->m_strPathToType;
    if (path.empty()) {
        PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    // The newer chooser layout holds the name in a combo box (cmb13), the
    // older one in an edit field (edt1).
    HWND name = GetDlgItem(chooser, cmb13);
    if (name == nullptr)
        name = GetDlgItem(chooser, edt1);
    SetWindowTextW(name, path.c_str());
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
}
