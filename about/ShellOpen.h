#pragma once

#include <string>

// Opens an existing file (or folder) with its associated program, the file's
// own folder as working folder, owned by the main window. True when the shell
// accepted it.
bool ShellOpenPath(const std::wstring& path);

// The help page's path: the executable's own path with ".htm" in place of its
// extension.
std::wstring HelpPagePath();

// Opens the help page beside the executable, or says that it is missing.
void OpenHelpPage();
