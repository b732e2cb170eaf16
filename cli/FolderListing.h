#pragma once

#include <string>
#include <vector>

// The file-system calls of the folder walk: FindFirstFileW on Windows,
// opendir/readdir elsewhere. Symbolic links (reparse points on Windows) are
// reported as such and never followed.

enum class EntryKind { File, Folder, Other };   // Other: links, devices, pipes, sockets

struct FolderEntry
{
    std::wstring name;
    EntryKind kind;
};

// Whether path names a folder, following links: a folder named on the command line.
bool IsFolder(const std::wstring& path);

// The entries of a folder, "." and ".." left out, in no particular order.
// False when the folder cannot be read.
bool ListFolder(const std::wstring& path, std::vector<FolderEntry>& entries);

// path and name joined by the platform's separator.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
