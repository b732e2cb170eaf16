#pragma once

#include <string>
#include <vector>

// Reads the paths listed in a file (L"-": standard input), UTF-8, one a line or,
// with nulSeparated, each ended by a NUL so that any file name passes. Empty
// entries are skipped. False when the file cannot be opened or read.
bool ReadPathList(const std::wstring& listPath, bool nulSeparated, std::vector<std::wstring>& paths);
