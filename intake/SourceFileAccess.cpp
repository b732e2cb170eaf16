#include "intake/SourceFileAccess.h"

#include "framework/FileException.h"

#ifdef _WIN32
#include <windows.h>
#include <shlwapi.h>
#else
#include "framework/TextEncoding.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

bool ReadSourceHead(const std::wstring& path, unsigned char (&head)[16])
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD read = 0;
    const BOOL readOk = ReadFile(file, head, sizeof head, &read, nullptr);
    const DWORD readError = readOk ? 0 : GetLastError();
    const BOOL closeOk = CloseHandle(file);
    if (!readOk)
        throw new CFileException(static_cast<int>(readError), path);
    if (!closeOk)
        throw new CFileException(static_cast<int>(GetLastError()), path);
    return true;
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

bool ReadSourceHead(const std::wstring& path, unsigned char (&head)[16])
{
    // Without share modes a folder would open here; Windows refuses to open
    // one as a file, so this does too. O_NONBLOCK keeps a FIFO from hanging.
    const int fd = open(WideToUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const ssize_t read = ::read(fd, head, sizeof head);
    const int readError = read < 0 ? errno : 0;
    // A folder opens but cannot be read; it is refused like a failed open.
    if (readError == EISDIR) {
        close(fd);
        return false;
    }
    const int closed = close(fd);
    if (read < 0)
        throw new CFileException(readError, path);
    if (closed != 0)
        throw new CFileException(errno, path);
    return true;
}

#endif
