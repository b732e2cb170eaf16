#include "tests/winsupport/DialogTemplateBuilder.h"

namespace {

// Word offset of DLGTEMPLATE.cdit: after style (2 words) and dwExtendedStyle (2).
const size_t kItemCountOffset = 4;

} // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, short cx, short cy, const wchar_t* caption)
{
    AddDword(style);
    AddDword(0);                    // extended style
    m_words.push_back(0);           // item count, raised by Add
    m_words.push_back(0);           // x
    m_words.push_back(0);           // y
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(0);           // no menu
    m_words.push_back(0);           // the dialog class
    AddString(caption);
}

DialogTemplateBuilder& DialogTemplateBuilder::Add(ControlClass controlClass, WORD id, DWORD style,
                                                  short x, short y, short cx, short cy,
                                                  const wchar_t* text)
{
    AlignToDword();
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);  // extended style
    for (short value : {x, y, cx, cy})
        m_words.push_back(static_cast<WORD>(value));
    m_words.push_back(id);
    m_words.push_back(0xFFFF);  // a predefined class by atom
    m_words.push_back(controlClass);
    AddString(text);
    m_words.push_back(0);  // no creation data
    ++m_words[kItemCountOffset];
    return *this;
}

void DialogTemplateBuilder::AddString(const wchar_t* text)
{
    for (; *text != L'\0'; ++text)
        m_words.push_back(static_cast<WORD>(*text));
    m_words.push_back(0);
}

void DialogTemplateBuilder::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

void DialogTemplateBuilder::AddDword(DWORD value)
{
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}
