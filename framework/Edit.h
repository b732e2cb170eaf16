#pragma once

#include "framework/Wnd.h"

// An edit control.
class CEdit : public CWnd
{
public:
    // Selects characters nStartChar up to nEndChar (-1: to the end) and,
    // unless bNoScroll, scrolls the caret into view.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET);
    }
};
