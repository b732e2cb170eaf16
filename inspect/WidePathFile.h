#pragma once

#include <cstdio>

// Opens a file named by a wide path as a buffered byte stream for reading
// ("rb"); other programs keep read and write access meanwhile. Null on failure.
std::FILE* OpenWidePathForReading(const wchar_t* path);
