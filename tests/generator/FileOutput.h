#pragma once

#include <string>
#include <vector>

// Writes the bytes to a file, replacing it. False when it cannot be
// created or written. Wide paths: UTF-16 through _wfopen on Windows, UTF-8
// elsewhere.
bool WriteFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);

// Creates one folder level. True when the folder exists afterwards.
bool MakeDirectory(const std::wstring& path);
