#include "tests/support/FileTree.h"

#include "framework/TextEncoding.h"

#include <algorithm>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

std::filesystem::path FsPath(const std::wstring& path)
{
#ifdef _WIN32
    return std::filesystem::path(path);
#else
    // By the library's own UTF-32 conversion, so that a fault of the
    // program's conversion cannot name the test files alike.
    return std::filesystem::path(std::u32string(path.begin(), path.end()));
#endif
}

std::vector<std::wstring> FolderNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE hFind = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot list " + WideToUtf8(folder));
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(hFind, &found));
    FindClose(hFind);
#else
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(FsPath(folder))) {
        const std::u32string name = entry.path().filename().u32string();
        names.emplace_back(name.begin(), name.end());
    }
#endif
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::wstring& path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW(path.c_str());
        return;
    }
    for (const std::wstring& name : FolderNames(path))
        RemoveTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
#else
    std::error_code ignored;
    std::filesystem::remove_all(FsPath(path), ignored);
#endif
}
