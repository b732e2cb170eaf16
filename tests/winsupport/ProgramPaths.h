#pragma once

#include <string>

// The full path of a program built beside the running test executable.
std::wstring ProgramBesideTests(const wchar_t* name);

// A build path as Windows names it: a Unix path becomes Wine's Z: drive path.
std::wstring WindowsPathOf(const std::wstring& buildPath);
