#pragma once

#include "framework/MessageMap.h"

// Root of every class with a message map: the application and all windows.
class CCmdTarget
{
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the map entry for command nID with notification code nCode;
    // false when no entry handles it.
    virtual bool OnCmdMsg(UINT nID, UINT nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Runs the first entry along the map chain (derived entries first) that
    // matches message, code and id and handles the message.
    bool DispatchMapEntry(UINT message, UINT code, UINT id,
                          WPARAM wParam, LPARAM lParam, LRESULT& result);
};
