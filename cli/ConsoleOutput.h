#pragma once

#include <string>

// Writes text to standard output or standard error so that Chinese shows
// correctly: UTF-8 bytes into files and pipes, wide text into a Windows console.
void WriteOut(const std::wstring& text);
void WriteOutUtf8(const std::string& text);
void WriteErr(const std::wstring& text);

// Prepares standard output and standard error for UTF-8 bytes: on Windows
// they stop turning "\n" into "\r\n", so files and pipes get exactly the
// bytes written. Standard output gets a large buffer when it goes to a file
// or a pipe, so that a long batch costs few writes. Call before any output.
void PrepareStandardStreams();

// Writes out what standard output still buffers. When standard output cannot
// be written, here or earlier, the program ends with status 1: quietly when its
// reader has gone, else with the reason on standard error.
void FinishOutput();

// Whether standard error is a terminal (a console on Windows).
bool StandardErrorIsTerminal();
