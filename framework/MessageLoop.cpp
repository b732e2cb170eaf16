#include "framework/MessageLoop.h"

#include "framework/Wnd.h"

namespace {

// Turns of message loops in progress: nested loops run inside the dispatch of
// an outer turn.
int g_pumpDepth = 0;

struct PumpDepthScope
{
    PumpDepthScope() { ++g_pumpDepth; }
    ~PumpDepthScope() { --g_pumpDepth; }
};

} // namespace

bool AfxPumpMessage(HWND hWndStop, int& quitCode)
{
    MSG msg;
    // Idle in the outermost loop: no handler can hold a temporary window
    // object now.
    if (g_pumpDepth == 0 && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        CWnd::DeleteTempMap();

    const BOOL received = GetMessageW(&msg, nullptr, 0, 0);
    if (received <= 0) {
        quitCode = received == 0 ? static_cast<int>(msg.wParam) : -1;
        return false;
    }
    PumpDepthScope scope;
    if (!CWnd::WalkPreTranslateTree(hWndStop, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}
