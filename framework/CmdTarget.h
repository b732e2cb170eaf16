#pragma once

#include "framework/MessageMap.h"
#include "framework/RuntimeClass.h"

// Root of every class with a message map: the application and all windows.
class CCmdTarget
{
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Run-time class information, root of the window classes' chain.
    static const CRuntimeClass classInfo;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

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
