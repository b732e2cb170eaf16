#pragma once

#include <string>

// Writes text to standard output or standard error so that Chinese shows
// correctly: UTF-8 bytes into files and pipes, wide text into a Windows console.
void WriteOut(const std::wstring& text);
void WriteOutUtf8(const std::string& text);
void WriteErr(const std::wstring& text);
