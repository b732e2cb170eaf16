#pragma once

#include <cstdio>
#include <string>

// A source file held open for reading while others may not write it (where
// the platform can), so that the check reads its head and the header reader
// its markers through a single open. Closed, errors ignored, when destroyed.
class COpenSourceFile
{
public:
    COpenSourceFile() = default;
    ~COpenSourceFile();
    COpenSourceFile(const COpenSourceFile&) = delete;
    COpenSourceFile& operator=(const COpenSourceFile&) = delete;

    // False when the file cannot be opened.
    bool Open(const std::wstring& path);

    // Reads up to 16 bytes from the start into head. A folder, which opens but
    // cannot be read, is closed and gives false; a failing read closes the
    // file and throws CFileException*.
    bool ReadHead(unsigned char (&head)[16]);

    // The file at its start as a byte stream for the JPEG library, still owned
    // by this object; null when it cannot be rewound (a pipe).
    std::FILE* RewindAsStream();

    // Closes the file if open; a failing close throws CFileException*.
    void Close();

private:
    void CloseQuietly();

    std::wstring m_path;
    std::FILE* m_stream = nullptr;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
    bool m_headAtStart = false;  // the head was read without moving the offset
#endif
};
