#include "tests/framework/HostWindow.h"

namespace {

const wchar_t kClassName[] = L"QuantlensFrameworkTestHost";

void RegisterHostClass()
{
    static const ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = HostWindow::ClassProc();
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc);
    }();
    (void)atom;
}

} // namespace

HostWindow::HostWindow(HWND hWndParent, DWORD style, RECT rect, UINT nID)
{
    RegisterHostClass();
    m_hWnd = CreateWindowExW(0, kClassName, L"host", style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, hWndParent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                             GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow()
{
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP && message < WM_APP + 0x100)
        return HostAnswer(message - WM_APP);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}
