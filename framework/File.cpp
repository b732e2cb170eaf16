#include "framework/File.h"

#include "framework/FileException.h"

namespace {

DWORD DesiredAccess(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x0003) {
    case CFile::modeWrite: return GENERIC_WRITE;
    case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

// What other openers may do while the file is open.
DWORD ShareMode(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x0070) {
    case CFile::shareDenyWrite: return FILE_SHARE_READ;
    case CFile::shareDenyRead: return FILE_SHARE_WRITE;
    case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // shareExclusive, and compatibility mode
    }
}

} // namespace

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
}

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags)
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        return FALSE;
    m_strFileName = lpszFileName;
    m_hFile = CreateFileW(lpszFileName, DesiredAccess(nOpenFlags), ShareMode(nOpenFlags), nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD read = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Close()
{
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (hFile != INVALID_HANDLE_VALUE && !CloseHandle(hFile))
        ThrowLastError();
}

void CFile::ThrowLastError() const
{
    throw new CFileException(static_cast<int>(GetLastError()), m_strFileName);
}
