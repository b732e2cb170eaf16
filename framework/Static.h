#pragma once

#include "framework/Wnd.h"

// A static control (text, frame or icon).
class CStatic : public CWnd
{
public:
    // Shows hIcon (an SS_ICON control); returns the previous icon, which the
    // caller owns.
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};
