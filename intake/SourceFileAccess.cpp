#include "intake/SourceFileAccess.h"

#ifdef _WIN32
#include <windows.h>
#include <shlwapi.h>
#else
#include "framework/TextEncoding.h"
#include <sys/stat.h>
#endif

#ifdef _WIN32

bool SourcePathExists(const std::wstring& path)
{
    return PathFileExistsW(path.c_str()) != FALSE;
}

std::wstring SourcePathExtension(const std::wstring& path)
{
    return PathFindExtensionW(path.c_str());
}


#else

bool SourcePathExists(const std::wstring& path)
{
    struct stat info;
    return stat(WideToUtf8(path).c_str(), &info) == 0;
}

std::wstring SourcePathExtension(const std::wstring& path)
{
    size_t dot = std::wstring::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == L'/' || path[i] == L' ')
            dot = std::wstring::npos;
        else if (path[i] == L'.')
            dot = i;
    }
    return dot == std::wstring::npos ? std::wstring() : path.substr(dot);
}


#endif
