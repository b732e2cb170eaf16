#include "inspect/JpegException.h"

IMPLEMENT_RUNTIME_CLASS(CJPEGException, CException)

bool CJPEGException::GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned*) const
{
    CopyMessage(m_strMessage.c_str(), buffer, maxChars);
    return true;
}
