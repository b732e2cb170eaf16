#pragma once

#include <windows.h>

// A plain window of a test class whose own procedure answers WM_APP + n with
// HostAnswer(n), so tests can tell which messages reached the procedure
// beneath a subclassing object. Destroyed with the object unless gone already.
class HostWindow
{
public:
    explicit HostWindow(HWND hWndParent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW,
                        RECT rect = {0, 0, 300, 200}, UINT nID = 0);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    static LRESULT HostAnswer(UINT n) { return 0x5000 + n; }
    // The procedure of the test class.
    static WNDPROC ClassProc() { return &WindowProc; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
};
