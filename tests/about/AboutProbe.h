#pragma once

#include <windows.h>

#include <string>

class CLinkLabel;

// How a dialog has a static control drawn: what WM_CTLCOLORSTATIC leaves in
// the device context and the brush it returns.
struct StaticColours
{
    COLORREF text;
    int backgroundMode;
    HBRUSH brush;
};
StaticColours ColoursOf(HWND hDlg, int nID);

// The text of tooltip tool nIDTool bound to hWndTool, searched in the thread's
// tooltip windows; empty when no tooltip has such a tool.
std::wstring ToolTipText(HWND hWndTool, UINT_PTR nIDTool);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hWnd);
// The text of a window and its extent in the font the window draws with.
SIZE TextExtentOf(HWND hWnd);

// Clicks a static control as the system does: STN_CLICKED to its parent.
void ClickStatic(HWND hDlg, int nID);
// The link label attached to control nID of a dialog, or null.
CLinkLabel* LinkLabelOf(HWND hDlg, int nID);

// The full path of the program beside the tests that ends at once.
std::wstring LinkTargetProgramPath();
