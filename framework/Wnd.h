#pragma once

#include "framework/CmdTarget.h"

#include <string>

class CDataExchange;

// A window object attached to a Win32 window by subclassing: the object's
// window procedure runs its message map and passes everything it does not
// handle to the window's previous procedure. At WM_NCDESTROY the object lets
// go of the window, so that it can be attached to a new one.
class CWnd : public CCmdTarget
{
    DECLARE_RUNTIME_CLASS(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The attached object of a window; for a window without one, a temporary
    // object that lives until the outermost message loop is next idle.
    static CWnd* FromHandle(HWND hWnd);
    // The attached object of a window, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Frees the temporary objects made by FromHandle.
    static void DeleteTempMap();

    // Attaches this object to an existing window: enters it in the handle
    // map, calls PreSubclassWindow, then installs the object's procedure.
    // Fails when either is attached already.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Restores the previous procedure and detaches; fails (null) when another
    // procedure has been installed over ours since.
    HWND UnsubclassWindow();
    // Creates a window of a registered class and attaches it.
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                  DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL DestroyWindow();

    // Called for every message the message loop is about to dispatch, from
    // the message's window up through its parents; TRUE means "consumed".
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // Dialog data exchange: TRUE takes the controls into the members, FALSE
    // writes the members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCWSTR lpszString);
    int GetDlgItemText(int nID, std::wstring& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    void SetWindowText(LPCWSTR lpszString);
    int GetWindowText(std::wstring& rString) const;

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Remove, then add style bits; nFlags != 0 also runs SetWindowPos with
    // them so that frame changes take effect. TRUE when the style changed.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    // Centres the window over its owner (a child: over its parent's client
    // area), or over pAlternateOwner, kept inside the monitor's work area.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void Invalidate(BOOL bErase = TRUE);
    BOOL IsIconic() const;
    CWnd* SetCapture();
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // The tooltips the program shows come from its own CToolTipCtrl; the
    // framework adds none, so this only reports success.
    BOOL EnableToolTips(BOOL bEnable = TRUE);

protected:
    // Runs after the handle is known and before the object's procedure is
    // installed: the place to adjust styles that attaching depends on.
    virtual void PreSubclassWindow();
    virtual void DoDataExchange(CDataExchange* pDX);

    // Passes the message being handled to the previous window procedure.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Default handlers for the message-map entries; each passes the message on.
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnDropFiles(HDROP hDropInfo);
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, POINT point);

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnCtlColorMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL ModifyStyleBits(int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
};
