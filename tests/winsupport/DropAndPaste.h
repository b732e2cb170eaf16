#pragma once

#include <windows.h>

#include <string>

// A file handed to a window as the shell hands it over: a one-path drop list,
// dropped or put on the clipboard. The helpers that send messages pump the
// queue afterwards, so that what the window posted has run.

// The drop list dropped on a window (the path field or the dialog).
void DropOn(HWND hWnd, const std::wstring& path);
// The file copied as the file manager copies it; false when the clipboard
// cannot be opened.
bool CopyFileToClipboard(HWND hOwner, const std::wstring& path);
// Ctrl and key pressed together in a window.
void PressWithControl(HWND hWnd, WPARAM key);
