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
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return true;
    // A link or junction exists as far as what it leads to does, as on Linux.
    HANDLE target = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(target);
    return true;
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
