#include "framework/FileException.h"

IMPLEMENT_RUNTIME_CLASS(CFileException, CException)

bool CFileException::GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned*) const
{
    // The framework's standard wording for an I/O failure on a named file.
    std::wstring text = L"An error occurred while accessing " + m_strFileName
                        + L" (system error " + std::to_wstring(m_lOsError) + L").";
    CopyMessage(text.c_str(), buffer, maxChars);
    return true;
}
