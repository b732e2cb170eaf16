#include "about/HoverTracker.h"

namespace {

void RedrawNow(CWnd& control)
{
    control.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace

void HoverTracker::OnMouseMove(CWnd& control, POINT point)
{
    if (!m_bHovering) {
        m_bHovering = TRUE;
        RedrawNow(control);
        control.SetCapture();
        return;
    }
    RECT client;
    control.GetClientRect(&client);
    if (!PtInRect(&client, point))
        Leave(control);
}

void HoverTracker::Leave(CWnd& control)
{
    m_bHovering = FALSE;
    ReleaseCapture();
    RedrawNow(control);
}

BOOL ShowControlCursor(HCURSOR cursor)
{
    if (cursor == nullptr)
        return FALSE;
    ::SetCursor(cursor);
    return TRUE;
}
