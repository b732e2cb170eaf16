#include "framework/Font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    if (m_hObject != nullptr)
        return FALSE;
    m_hObject = ::CreateFontIndirectW(lpLogFont);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
