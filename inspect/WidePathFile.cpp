#include "inspect/WidePathFile.h"

#ifndef _WIN32
#include "framework/TextEncoding.h"
#endif

std::FILE* OpenWidePathForReading(const wchar_t* path)
{
#ifdef _WIN32
    return _wfopen(path, L"rb");
#else
    return std::fopen(WideToUtf8(path).c_str(), "rb");
#endif
}
