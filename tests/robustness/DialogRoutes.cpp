#include "tests/robustness/DialogRoutes.h"

#include "tests/gui/InspectorWindow.h"

void DropOn(HWND hWnd, const std::wstring& path)
{
    SendMessageW(hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList(path)), 0);
    PumpMessages();
}

void PasteCopiedFile(HWND hEdit, const std::wstring& path)
{
    if (!OpenClipboard(GetParent(hEdit)))
        return;
    EmptyClipboard();
    SetClipboardData(CF_HDROP, MakeDropList(path));
    CloseClipboard();

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(hEdit, WM_KEYDOWN, 'V', 1);
    keys[VK_CONTROL] = control;
    SetKeyboardState(keys);
    PumpMessages();
}

void TypeAndPressEnter(HWND hEdit, const std::wstring& path)
{
    SetWindowTextW(hEdit, path.c_str());
    // Posted, so that the message loop offers it to IsDialogMessageW.
    PostMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(hEdit, WM_KEYUP, VK_RETURN, 0xC0000001);
    PumpMessages();
}
