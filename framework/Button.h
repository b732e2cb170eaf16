#pragma once

#include "framework/Wnd.h"

// A push button, check box or group box.
class CButton : public CWnd
{
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    // Shows hIcon on a button with BS_ICON; returns the previous one.
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(
            SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
};
