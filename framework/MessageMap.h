#pragma once

#include <windows.h>
#include <shellapi.h>  // HDROP

// Message maps: each class that handles messages owns a static table of
// entries, chained to its base class's table. An entry names the message (and,
// for WM_COMMAND, the notification code and control id) and holds a
// captureless lambda that unpacks wParam/lParam and calls the typed handler.
// The lambda returns whether the message was handled and leaves the window
// procedure's result in `result`.

class CCmdTarget;

using AFX_PMSG = bool (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;  // window message, WM_COMMAND, or a reflected message
    UINT nCode;     // notification code of a WM_COMMAND, else 0
    UINT nID;       // command or control id of a WM_COMMAND, else 0
    AFX_PMSG pfn;   // null ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root of the chain
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// A child's notifications offered back to the child itself are looked up as
// WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00

// All WM_CTLCOLOR* messages reach the maps as this one message; lParam then
// points to an AFX_CTLCOLOR.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

struct AFX_CTLCOLOR
{
    HWND hWnd;      // the control being drawn
    HDC hDC;        // its drawing context
    UINT nCtlType;  // CTLCOLOR_EDIT, CTLCOLOR_STATIC, ... (message - WM_CTLCOLORMSGBOX)
};

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                 \
    {                                                                               \
        using ThisClass = theClass;                                                 \
        using TheBaseClass = baseClass;                                             \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                           \
            {0, 0, 0, nullptr}};                                                    \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &messageMap;                                                         \
    }

// One entry; the body sees `self` (the object as ThisClass), wParam, lParam
// and result, and returns whether it handled the message.
#define AFX_MSG_ENTRY(message, code, id, ...)                                        \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(id),     \
     [](CCmdTarget* target, [[maybe_unused]] WPARAM wParam,                          \
        [[maybe_unused]] LPARAM lParam, [[maybe_unused]] LRESULT& result) -> bool {  \
         [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(target);         \
         __VA_ARGS__                                                                 \
     }},

// void OnPaint()
#define ON_WM_PAINT() \
    AFX_MSG_ENTRY(WM_PAINT, 0, 0, self->OnPaint(); return true;)

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, \
        result = reinterpret_cast<LRESULT>(self->OnQueryDragIcon()); return true;)

// void OnDestroy()
#define ON_WM_DESTROY() \
    AFX_MSG_ENTRY(WM_DESTROY, 0, 0, self->OnDestroy(); return true;)

// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES() \
    AFX_MSG_ENTRY(WM_DROPFILES, 0, 0, \
        self->OnDropFiles(reinterpret_cast<HDROP>(wParam)); return true;)

// HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLOR*
#define ON_WM_CTLCOLOR() \
    AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, \
        const auto* ctl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam); \
        result = reinterpret_cast<LRESULT>( \
            self->OnCtlColor(ctl->hDC, CWnd::FromHandle(ctl->hWnd), ctl->nCtlType)); \
        return true;)

// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() \
    AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, \
        self->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); \
        return true;)

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() \
    AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, \
        result = self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                   LOWORD(lParam), HIWORD(lParam)); \
        return true;)

// void OnMouseMove(UINT nFlags, POINT point), point in client coordinates
#define ON_WM_MOUSEMOVE() \
    AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, \
        const POINT point = {static_cast<short>(LOWORD(lParam)), \
                             static_cast<short>(HIWORD(lParam))}; \
        self->OnMouseMove(static_cast<UINT>(wParam), point); return true;)

// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_ENTRY(message, 0, 0, result = self->memberFxn(wParam, lParam); return true;)

// void memberFxn(): a menu, accelerator or posted command, or a button click
// (BN_CLICKED is notification code 0 as well)
#define ON_COMMAND(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, 0, id, self->memberFxn(); return true;)

// void memberFxn(): a control's WM_COMMAND notification
#define ON_CONTROL(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, code, id, self->memberFxn(); return true;)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// void memberFxn(): in a control's own map, its notification reflected back
// to it by the parent. A handled notification does not reach the parent's map.
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, self->memberFxn(); return true;)

// HBRUSH CtlColor(HDC hDC, UINT nCtlColor), in a control's own map. A null
// brush means "not handled": the parent's OnCtlColor then decides.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, \
        const auto* ctl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam); \
        HBRUSH brush = self->CtlColor(ctl->hDC, ctl->nCtlType); \
        result = reinterpret_cast<LRESULT>(brush); \
        return brush != nullptr;)
