#pragma once

#include "tests/support/FileTree.h"

#include "tests/support/TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

// A path of the kind users really have, with a short label for messages.
struct UserPath
{
    std::string label;
    std::wstring path;
};

// Writes bytes under the names users give their files: Chinese and other
// non-ASCII names (a character outside the Basic Multilingual Plane among
// them), full-width punctuation in file and folder names, sixty emoji in a
// folder of sixty, both sides of every UTF-8 length, names with spaces, and a
// file at the end of nested folders whose path is longer than 260 characters.
// Returns their paths.
std::vector<UserPath> WriteUserFiles(const TempDir& dir, const std::vector<unsigned char>& bytes);

// Writes bytes to a file with a Chinese name at the end of nested folders
// under dir whose path is at least minimumLength characters long, and
// returns its path.
std::wstring WriteLongPath(const TempDir& dir, size_t minimumLength, const std::vector<unsigned char>& bytes);

// What an inspection must leave alone: the file's size, modification time
// and content, and the names in its folder.
struct DiskState
{
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
    std::vector<unsigned char> content;
    std::vector<std::wstring> folderNames;

    bool operator==(const DiskState& other) const;
};

DiskState TakeDiskState(const std::wstring& file);

// Makes a file or folder read-only, or writable again.
void SetReadOnly(const std::wstring& path, bool readOnly);

// The folder part of a path.
std::wstring FolderOf(const std::wstring& path);

