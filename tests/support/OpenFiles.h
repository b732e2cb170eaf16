#pragma once

#include <string>

// How many files this process has open (-1 where the platform cannot tell).
int CountOpenFiles();

// True when nothing holds path open: on Windows an exclusive open succeeds;
// elsewhere no descriptor of this process refers to the file.
bool FileIsClosed(const std::wstring& path);
