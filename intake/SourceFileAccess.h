#pragma once

#include <string>

// The few file-system operations the source-file check needs, in their
// Windows meaning on every platform.

// True for an existing file or folder.
bool SourcePathExists(const std::wstring& path);

// The extension of the last path component, from its last dot to the end; a
// blank after that dot ends the extension as on Windows. Empty when there is none.
std::wstring SourcePathExtension(const std::wstring& path);
