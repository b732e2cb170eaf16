#pragma once

#include "framework/Exception.h"

#include <string>

// An error the JPEG library reported: its message code and its own English text.
class CJPEGException : public CException
{
    DECLARE_RUNTIME_CLASS(CJPEGException)
public:
    CJPEGException(int code, std::wstring message)
        : m_nCode(code), m_strMessage(std::move(message)) {}
    ~CJPEGException() override = default;

    bool GetErrorMessage(wchar_t* buffer, unsigned maxChars,
                         unsigned* helpContext = nullptr) const override;

    int m_nCode;
    std::wstring m_strMessage;
};
