#pragma once

#include "framework/Exception.h"

#include <string>

// A read or close failure on a file that was opened successfully.
class CFileException : public CException
{
    DECLARE_RUNTIME_CLASS(CFileException)
public:
    CFileException(int osError, std::wstring fileName)
        : m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    bool GetErrorMessage(wchar_t* buffer, unsigned maxChars,
                         unsigned* helpContext = nullptr) const override;

    int m_lOsError;
    std::wstring m_strFileName;
};
