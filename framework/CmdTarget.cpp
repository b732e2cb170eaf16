#include "framework/CmdTarget.h"

const CRuntimeClass CCmdTarget::classInfo = {"CCmdTarget", nullptr};

const CRuntimeClass* CCmdTarget::GetRuntimeClass() const
{
    return &classInfo;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchMapEntry(UINT message, UINT code, UINT id,
                                  WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && entry->nID == id
                && entry->pfn(this, wParam, lParam, result))
                return true;
        }
    }
    return false;
}

bool CCmdTarget::OnCmdMsg(UINT nID, UINT nCode)
{
    LRESULT ignored = 0;
    return DispatchMapEntry(WM_COMMAND, nCode, nID, MAKEWPARAM(nID, nCode), 0, ignored);
}
