#pragma once

#include <string>

// Conversions between the program's wide strings (UTF-16 on Windows, UTF-32
// elsewhere) and UTF-8. Ill-formed input becomes U+FFFD.
std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);

// Decodes the code point of wide text at i and advances i past it.
char32_t NextWideCodePoint(const std::wstring& text, size_t& i);

// Writes one code point as UTF-8 (at most four bytes) at out; returns the end.
char* PutUtf8(char* out, char32_t codePoint);
