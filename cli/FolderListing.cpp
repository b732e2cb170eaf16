#include "cli/FolderListing.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "framework/TextEncoding.h"
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace {

bool IsDotOrDotDot(const std::wstring& name)
{
    return name == L"." || name == L"..";
}

bool EndsWithSeparator(const std::wstring& path)
{
#ifdef _WIN32
    return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
#else
    return !path.empty() && path.back() == L'/';
#endif
}

#ifdef _WIN32

EntryKind KindOf(DWORD attributes)
{
    if (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
        return EntryKind::Other;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

#else

EntryKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    return S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

// The entry's kind from readdir, or from lstat where the file system leaves it open.
EntryKind KindOf(DIR* dir, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG: return EntryKind::File;
    case DT_DIR: return EntryKind::Folder;
    case DT_UNKNOWN: {
        struct stat info;
        if (fstatat(dirfd(dir), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Other;
        return KindOf(info.st_mode);
    }
    default: return EntryKind::Other;
    }
}

#endif

} // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
#ifdef _WIN32
    const wchar_t separator = L'\\';
#else
    const wchar_t separator = L'/';
#endif
    return EndsWithSeparator(folder) ? folder + name : folder + separator + name;
}

#ifdef _WIN32

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ListFolder(const std::wstring& path, std::vector<FolderEntry>& entries)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(JoinPath(path, L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (!IsDotOrDotDot(data.cFileName))
            entries.push_back({data.cFileName, KindOf(data.dwFileAttributes)});
    } while (FindNextFileW(find, &data));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    return complete;
}

#else

bool IsFolder(const std::wstring& path)
{
    struct stat info;
    return stat(WideToUtf8(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ListFolder(const std::wstring& path, std::vector<FolderEntry>& entries)
{
    DIR* dir = opendir(WideToUtf8(path).c_str());
    if (dir == nullptr)
        return false;
    // readdir tells its end from a failure only through errno.
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        std::wstring name = Utf8ToWide(entry->d_name);
        if (!IsDotOrDotDot(name))
            entries.push_back({std::move(name), KindOf(dir, *entry)});
        errno = 0;
    }
    const bool complete = errno == 0;
    closedir(dir);
    return complete;
}

#endif
