#pragma once

#include <windows.h>

// One turn of a message loop, shared by the application's loop and modal
// dialogs: waits for the next message, offers it to PreTranslateMessage from
// its window up to hWndStop, and dispatches it when none consumed it.
// Returns false when WM_QUIT arrives, with its exit code in quitCode.
bool AfxPumpMessage(HWND hWndStop, int& quitCode);
