#pragma once

#include "about/HoverTracker.h"
#include "framework/Static.h"

// A static icon control that behaves like a button: it shows an icon at
// 48 x 48 pixels, the pointing hand while the mouse is over it, and on a click
// runs the About box or opens the help page, as its mode says.
class CHelpIcon : public CStatic
{
public:
    enum Mode { ModeInert = 0, ModeAbout = 1, ModeHelpPage = 2 };

    CHelpIcon() = default;
    ~CHelpIcon() override = default;

    // Loads icon nIconID at nSide x nSide pixels (33 to 48 become 48; 32 or
    // less keeps the template's icon) and sizes the control to it.
    void SetIconImage(WORD nIconID, int nSide);

    // Set before the control is attached: attaching decides on the cursor.
    int m_nMode = ModeAbout;

protected:
    void PreSubclassWindow() override;
    void OnClicked();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, POINT point);

    DECLARE_MESSAGE_MAP()

private:
    HoverTracker m_hover;
    HCURSOR m_hCursor = nullptr;
};
