#pragma once

#include <string>

// The few file-system operations the source-file check needs, in their
// Windows meaning on every platform.

// True for an existing file or folder.
bool SourcePathExists(const std::wstring& path);

// The extension of the last path component, from its last dot to the end; a
// blank after that dot ends the extension as on Windows. Empty when there is none.
std::wstring SourcePathExtension(const std::wstring& path);

// Opens the file for reading while keeping others from writing it (where the
// platform can), reads up to 16 bytes into head and closes it. False when the
// open fails; a failing read or close throws CFileException*.
bool ReadSourceHead(const std::wstring& path, unsigned char (&head)[16]);
