#include "cli/VersionText.h"

#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#define QUANTLENS_TEXT(x) QUANTLENS_TEXT_OF(x)
#define QUANTLENS_TEXT_OF(x) L## #x

std::wstring VersionText()
{
    std::wstring text = L"quantlens-report " QUANTLENS_VERSION L"\n";
#ifdef LIBJPEG_TURBO_VERSION
    text += L"libjpeg-turbo " QUANTLENS_TEXT(LIBJPEG_TURBO_VERSION);
#else
    text += L"libjpeg";
#endif
    text += L" (API " + std::to_wstring(JPEG_LIB_VERSION) + L")\n";
    return text;
}
