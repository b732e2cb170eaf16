#include "tests/robustness/DialogRoutes.h"

#include "tests/winsupport/DropAndPaste.h"
#include "tests/winsupport/MessagePump.h"

void PasteCopiedFile(HWND hEdit, const std::wstring& path)
{
    if (CopyFileToClipboard(GetParent(hEdit), path))
        PressWithControl(hEdit, 'V');
}

void TypeAndPressEnter(HWND hEdit, const std::wstring& path)
{
    SetWindowTextW(hEdit, path.c_str());
    // Posted, so that the message loop offers it to IsDialogMessageW.
    PostMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(hEdit, WM_KEYUP, VK_RETURN, 0xC0000001);
    PumpMessages();
}
