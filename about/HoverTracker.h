#pragma once

#include "framework/Wnd.h"

// Hover tracking of the clickable icon and the link label. The first mouse
// move over the control takes the mouse capture, so that the move that leaves
// it arrives too and ends the hovering; each change redraws the control.
class HoverTracker
{
public:
    bool IsHovering() const { return m_bHovering != FALSE; }

    // After the default processing of WM_MOUSEMOVE (point in client coordinates).
    void OnMouseMove(CWnd& control, POINT point);
    // Ends the hovering and releases the capture (a click does so too).
    void Leave(CWnd& control);

private:
    BOOL m_bHovering = FALSE;
};

// The WM_SETCURSOR answer of a control with a cursor of its own: shows it and
// reports the message handled, or reports it unhandled when there is none.
BOOL ShowControlCursor(HCURSOR cursor);
