#include "tests/winsupport/ProgramPaths.h"

#include <windows.h>

#include <algorithm>

std::wstring ProgramBesideTests(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + name;
}

std::wstring WindowsPathOf(const std::wstring& buildPath)
{
    std::wstring path = buildPath;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return !path.empty() && path[0] == L'\\' ? L"Z:" + path : path;
}
