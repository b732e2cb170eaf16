#include "framework/Exception.h"

const CRuntimeClass CException::classInfo = {"CException", nullptr};

const CRuntimeClass* CException::GetRuntimeClass() const
{
    return &classInfo;
}

bool CException::GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned*) const
{
    if (buffer != nullptr && maxChars > 0)
        buffer[0] = L'\0';
    return false;
}

void CException::CopyMessage(const wchar_t* text, wchar_t* buffer, unsigned maxChars)
{
    if (buffer == nullptr || maxChars == 0)
        return;
    unsigned i = 0;
    for (; i + 1 < maxChars && text[i] != L'\0'; ++i)
        buffer[i] = text[i];
    buffer[i] = L'\0';
}
