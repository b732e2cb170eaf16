#include "tests/winsupport/MessagePump.h"

#include "framework/Wnd.h"

void PumpMessages()
{
    MSG msg;
    // A bound keeps a message that keeps coming back from hanging the test.
    for (int i = 0; i < 10000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
