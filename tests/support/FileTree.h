#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A wide path as std::filesystem takes it (UTF-8 on Linux).
std::filesystem::path FsPath(const std::wstring& path);

// The names in a folder, sorted, however long its path. Throws
// std::runtime_error when the folder cannot be listed.
std::vector<std::wstring> FolderNames(const std::wstring& folder);

// Removes a file or a folder with everything in it, however long the paths
// below it (on Windows the C runtime's folder functions behind
// std::filesystem give up on paths over 260 characters).
void RemoveTree(const std::wstring& path);
