#pragma once

#include <windows.h>

#include <string>

// The user's ways of handing the main dialog a path, as real messages; each
// pumps the queue afterwards, so the posted Start command has run. A drop
// is DropOn's (tests/winsupport/DropAndPaste.h).

// The file copied in the file manager, then Ctrl+V in the edit control.
void PasteCopiedFile(HWND hEdit, const std::wstring& path);

// The path typed into the edit control, then Enter pressed in it, which the
// dialog's own keyboard handling turns into the Start command.
void TypeAndPressEnter(HWND hEdit, const std::wstring& path);
