#pragma once

#include <windows.h>

#include <string>

class CException;

// Shows a message box for the framework's message boxes; ::MessageBoxW unless
// replaced (tests install a recorder that returns without blocking).
using AfxMessageBoxHandler = int(WINAPI*)(HWND hWndOwner, const wchar_t* text,
                                          const wchar_t* caption, UINT type);

// Installs handler (null restores ::MessageBoxW); returns the previous one.
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler);

// The program's message box: modal over the main window, captioned with the
// application title; MB_ICONEXCLAMATION is added when no icon is asked for.
int AfxMessageBox(const wchar_t* lpszText, UINT nType = MB_OK);
inline int AfxMessageBox(const std::wstring& text, UINT nType = MB_OK)
{
    return AfxMessageBox(text.c_str(), nType);
}

// Shows an exception's message with the stop icon, then deletes it: what the
// framework does with every CException that reaches one of its catch sites.
void AfxReportException(CException* e);
