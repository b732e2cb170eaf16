#pragma once

#include <cstddef>
#include <string>

// The text of a statement as the file holds it, fit to show: trailing NULs and
// blanks (spaces, tabs, line breaks) trimmed, and every byte that is not part
// of valid UTF-8 replaced by U+FFFD, so that nothing is dropped or passed on raw.
std::wstring StatementString(const unsigned char* bytes, size_t size);

// The same for a NUL-terminated field (EXIF's ASCII type): only the bytes
// before the first NUL count.
std::wstring TerminatedStatementString(const unsigned char* bytes, size_t size);
