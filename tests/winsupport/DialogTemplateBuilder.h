#pragma once

#include <windows.h>

#include <vector>

// Builds a dialog template in memory (DLGTEMPLATE with its items), for tests
// where a resource would be overkill. Positions are in dialog units.
class DialogTemplateBuilder
{
public:
    enum ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082, ComboBox = 0x0085 };

    DialogTemplateBuilder(DWORD style, short cx, short cy, const wchar_t* caption);

    // Adds a visible child control; returns the builder for chaining.
    DialogTemplateBuilder& Add(ControlClass controlClass, WORD id, DWORD style,
                               short x, short y, short cx, short cy, const wchar_t* text = L"");

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void AddString(const wchar_t* text);
    void AlignToDword();
    void AddDword(DWORD value);

    std::vector<WORD> m_words;
};
