#pragma once

#include <windows.h>

#include <string>

// A file opened through the system. Open reports failure by its result; Read
// and Close throw a CFileException (allocated with new) when they fail.
class CFile
{
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    // Closes an open file without reporting errors.
    ~CFile();

    // Opens an existing file with one access mode and one sharing mode.
    BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags);
    // Reads up to nCount bytes; returns how many were read (fewer at the end).
    UINT Read(void* lpBuf, UINT nCount);
    void Close();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    std::wstring m_strFileName;

private:
    [[noreturn]] void ThrowLastError() const;
};
