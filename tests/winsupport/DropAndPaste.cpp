#include "tests/winsupport/DropAndPaste.h"

#include "tests/winsupport/MessagePump.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

HDROP MakeDropList(const std::wstring& path)
{
    // DROPFILES, the path, its terminator and the list's closing terminator.
    const size_t size = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(hMem));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    path.copy(reinterpret_cast<wchar_t*>(drop + 1), path.size());
    GlobalUnlock(hMem);
    return static_cast<HDROP>(hMem);
}

} // namespace

void DropOn(HWND hWnd, const std::wstring& path)
{
    SendMessageW(hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList(path)), 0);
    PumpMessages();
}

bool CopyFileToClipboard(HWND hOwner, const std::wstring& path)
{
    if (!OpenClipboard(hOwner))
        return false;
    EmptyClipboard();
    SetClipboardData(CF_HDROP, MakeDropList(path));
    CloseClipboard();
    return true;
}

void PressWithControl(HWND hWnd, WPARAM key)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(hWnd, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = control;
    SetKeyboardState(keys);
    PumpMessages();
}
