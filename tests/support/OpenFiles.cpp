#include "tests/support/OpenFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "framework/TextEncoding.h"
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

int CountOpenFiles()
{
    return -1;
}

bool FileIsClosed(const std::wstring& path)
{
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

#else

namespace {

template <typename Visit>
void ForEachOpenDescriptor(Visit visit)
{
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr)
        return;
    const int own = dirfd(dir);
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const int fd = std::atoi(entry->d_name);
        if (fd != own)
            visit(fd);
    }
    closedir(dir);
}

} // namespace

int CountOpenFiles()
{
    int count = 0;
    ForEachOpenDescriptor([&count](int) { ++count; });
    return count;
}

bool FileIsClosed(const std::wstring& path)
{
    struct stat target;
    if (stat(WideToUtf8(path).c_str(), &target) != 0)
        return true;
    bool closed = true;
    ForEachOpenDescriptor([&](int fd) {
        struct stat info;
        if (fstat(fd, &info) == 0 && info.st_dev == target.st_dev && info.st_ino == target.st_ino)
            closed = false;
    });
    return closed;
}

#endif
