#include "framework/Wnd.h"

#include "framework/DataExchange.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The handle-to-object lists: a dozen windows at most, so a linear search
// does. Allocated once and never freed, so that window objects with static
// storage can still be destroyed after these lists would have been.
std::vector<CWnd*>& PermanentObjects()
{
    static auto* objects = new std::vector<CWnd*>;
    return *objects;
}

std::vector<std::unique_ptr<CWnd>>& TemporaryObjects()
{
    static auto* objects = new std::vector<std::unique_ptr<CWnd>>;
    return *objects;
}

// The message being handled, for Default(); saved and restored around each
// dispatch because handlers send messages of their own.
struct SentMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

SentMessage g_lastSent = {};

// What a window procedure returns for a message whose handler threw.
LRESULT ResultAfterException(HWND hWnd, UINT message)
{
    if (message == WM_PAINT)
        ValidateRect(hWnd, nullptr);  // otherwise WM_PAINT comes back at once
    return message == WM_CREATE ? -1 : 0;
}

} // namespace

IMPLEMENT_RUNTIME_CLASS(CWnd, CCmdTarget)

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);  // its WM_NCDESTROY detaches this object
        if (m_hWnd != nullptr) {
            UnsubclassWindow();
            Detach();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    for (CWnd* wnd : PermanentObjects())
        if (wnd->m_hWnd == hWnd)
            return wnd;
    return nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hWnd))
        return wnd;
    auto& temporaries = TemporaryObjects();
    for (const auto& wnd : temporaries)
        if (wnd->m_hWnd == hWnd)
            return wnd.get();
    temporaries.push_back(std::make_unique<CWnd>());
    temporaries.back()->m_hWnd = hWnd;
    return temporaries.back().get();
}

void CWnd::DeleteTempMap()
{
    TemporaryObjects().clear();
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    m_hWnd = hWnd;
    PermanentObjects().push_back(this);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc)));
    if (m_pfnSuper == nullptr) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr
        || GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WndProc))
        return nullptr;
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    HWND hWnd = m_hWnd;
    Detach();
    return hWnd;
}

void CWnd::Detach()
{
    auto& objects = PermanentObjects();
    objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (m_hWnd != nullptr)
        return FALSE;
    HWND hWnd = CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
                                rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top,
                                pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                AfxGetInstanceHandle(), nullptr);
    if (hWnd == nullptr)
        return FALSE;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

// The window procedure of every attached window, and the one place where a
// CException thrown by a handler is caught: unwinding through the system's
// frames of SendMessageW/DispatchMessageW is not possible.
LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return wnd->WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    const SentMessage previous = g_lastSent;
    g_lastSent = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        if (!OnWndMsg(message, wParam, lParam, result))
            result = DefWindowProc(message, wParam, lParam);
    } catch (CException* e) {
        result = ResultAfterException(hWnd, message);
        AfxReportException(e);
    }
    g_lastSent = previous;

    if (message == WM_NCDESTROY && m_hWnd == hWnd) {
        UnsubclassWindow();
        Detach();  // also when another procedure sits over ours
    }
    return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam, result);
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnCtlColorMessage(message, wParam, lParam, result);
    return DispatchMapEntry(message, 0, 0, wParam, lParam, result);
}

// A control's notification goes first to the control's own object (reflection);
// what it does not handle goes to this window's command handlers.
bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (child != nullptr && child != this
        && child->DispatchMapEntry(WM_REFLECT_BASE + WM_COMMAND, nCode, 0, wParam, lParam, result))
        return true;
    result = 0;
    return OnCmdMsg(nID, nCode);
}

// The control being drawn may choose its own colours (reflection); a null
// brush from it leaves the choice to this window's OnCtlColor.
bool CWnd::OnCtlColorMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const AFX_CTLCOLOR ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                              message - WM_CTLCOLORMSGBOX};
    const LPARAM ctlParam = reinterpret_cast<LPARAM>(&ctl);
    CWnd* child = FromHandlePermanent(ctl.hWnd);
    if (child != nullptr && child != this
        && child->DispatchMapEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, wParam, ctlParam, result))
        return true;
    return DispatchMapEntry(WM_CTLCOLOR, 0, 0, wParam, ctlParam, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_lastSent.message, g_lastSent.wParam, g_lastSent.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::OnPaint() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
HBRUSH CWnd::OnCtlColor(HDC, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::SetDlgItemText(int nID, LPCWSTR lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, std::wstring& rString) const
{
    rString.clear();
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    return hWndItem != nullptr ? FromHandle(hWndItem)->GetWindowText(rString) : 0;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

void CWnd::SetWindowText(LPCWSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, lpszString);
}

int CWnd::GetWindowText(std::wstring& rString) const
{
    rString.assign(static_cast<size_t>(GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    const int length = ::GetWindowTextW(m_hWnd, &rString[0], static_cast<int>(rString.size()));
    rString.resize(static_cast<size_t>(length));
    return length;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleBits(int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongW(m_hWnd, nStyleOffset));
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    SetWindowLongW(m_hWnd, nStyleOffset, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr,
                          x, y, cx, cy, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const bool isChild = (GetStyle() & WS_CHILD) != 0;
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                      : isChild                  ? ::GetParent(m_hWnd)
                                                 : GetWindow(m_hWnd, GW_OWNER);
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    RECT rcArea;
    RECT rcCenter;
    if (isChild) {
        // Positions of a child are in its parent's client coordinates.
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        rcCenter = rcArea;
        if (hWndCenter != hWndParent) {
            ::GetWindowRect(hWndCenter, &rcCenter);
            MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rcCenter), 2);
        }
    } else {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hWndCenter != nullptr ? hWndCenter : m_hWnd,
                                          MONITOR_DEFAULTTONEAREST),
                        &monitor);
        rcArea = monitor.rcWork;
        if (hWndCenter != nullptr && IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    const LONG width = rcWindow.right - rcWindow.left;
    const LONG height = rcWindow.bottom - rcWindow.top;
    LONG left = (rcCenter.left + rcCenter.right) / 2 - width / 2;
    LONG top = (rcCenter.top + rcCenter.bottom) / 2 - height / 2;
    left = std::max(rcArea.left, std::min(left, rcArea.right - width));
    top = std::max(rcArea.top, std::min(top, rcArea.bottom - height));
    SetWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate, flags);
}

void CWnd::Invalidate(BOOL bErase)
{
    InvalidateRect(m_hWnd, nullptr, bErase);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(hIcon)));
}

BOOL CWnd::EnableToolTips(BOOL)
{
    return TRUE;
}
