#include "intake/OpenSourceFile.h"

#include "framework/FileException.h"

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#else
#include "framework/TextEncoding.h"
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

COpenSourceFile::~COpenSourceFile()
{
    CloseQuietly();
}

void COpenSourceFile::Close()
{
    int error = 0;
    if (m_stream != nullptr) {
        if (std::fclose(m_stream) != 0)
            error = errno;
        m_stream = nullptr;
    }
#ifdef _WIN32
    else if (m_handle != nullptr) {
        if (!CloseHandle(m_handle))
            error = static_cast<int>(GetLastError());
        m_handle = nullptr;
    }
#else
    else if (m_fd >= 0) {
        if (close(m_fd) != 0)
            error = errno;
        m_fd = -1;
    }
#endif
    if (error != 0)
        throw new CFileException(error, m_path);
}

void COpenSourceFile::CloseQuietly()
{
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
    }
}

#ifdef _WIN32

bool COpenSourceFile::Open(const std::wstring& path)
{
    CloseQuietly();
    m_path = path;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    m_handle = file;
    return true;
}

bool COpenSourceFile::ReadHead(unsigned char (&head)[16])
{
    DWORD read = 0;
    if (ReadFile(m_handle, head, sizeof head, &read, nullptr))
        return true;
    const DWORD readError = GetLastError();
    CloseQuietly();
    throw new CFileException(static_cast<int>(readError), m_path);
}

std::FILE* COpenSourceFile::RewindAsStream()
{
    LARGE_INTEGER start = {};
    if (!SetFilePointerEx(m_handle, start, nullptr, FILE_BEGIN))
        return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_handle), _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return nullptr;
    m_handle = nullptr;  // the descriptor owns it now
    m_stream = _fdopen(fd, "rb");
    if (m_stream == nullptr)
        _close(fd);
    return m_stream;
}

#else

bool COpenSourceFile::Open(const std::wstring& path)
{
    CloseQuietly();
    m_path = path;
    // Without share modes a folder would open here; Windows refuses to open
    // one as a file, so ReadHead does too. O_NONBLOCK keeps a FIFO from hanging.
    m_fd = open(WideToUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return m_fd >= 0;
}

bool COpenSourceFile::ReadHead(unsigned char (&head)[16])
{
    // pread leaves the offset at the start, so the stream needs no rewind;
    // what cannot seek (a FIFO) is read as before.
    m_headAtStart = ::pread(m_fd, head, sizeof head, 0) >= 0;
    if (m_headAtStart || (errno == ESPIPE && ::read(m_fd, head, sizeof head) >= 0))
        return true;
    const int readError = errno;
    CloseQuietly();
    if (readError == EISDIR)
        return false;
    throw new CFileException(readError, m_path);
}

std::FILE* COpenSourceFile::RewindAsStream()
{
    // What pread could read is seekable, so not a FIFO, and O_NONBLOCK means
    // nothing to it.
    if (!m_headAtStart) {
        const int flags = fcntl(m_fd, F_GETFL);
        if (flags < 0 || fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0 || lseek(m_fd, 0, SEEK_SET) != 0)
            return nullptr;
    }
    m_stream = fdopen(m_fd, "rb");
    if (m_stream != nullptr)
        m_fd = -1;  // the stream owns it now
    return m_stream;
}

#endif
