#pragma once

#include <windows.h>

// Owns one GDI font.
class CFont
{
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    // Fails when the object holds a font already.
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    BOOL DeleteObject();

    operator HFONT() const { return m_hObject; }

    HFONT m_hObject = nullptr;
};
