#pragma once

#include <windows.h>

#include <string>

// The program's executable started as a process of its own with a command
// line, its main dialog found by caption and process, and its controls read
// across the process boundary.
class RunningProgram
{
public:
    // arguments: the command line after the quoted executable path.
    explicit RunningProgram(const std::wstring& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The main dialog, once the process shows it and waits for input; null
    // when it does not appear within a few seconds.
    HWND Dialog() const { return m_hWndDialog; }
    // Why Dialog() is null: the start's error code, or the dialog not shown.
    std::wstring Failure() const;

    std::wstring Text(int nID) const;
    // Waits until the control shows some text; its text then, or empty.
    std::wstring WaitForText(int nID) const;

    // Closes the dialog as its close box does; true when the process then
    // ends, with exitCode set.
    bool Close(DWORD& exitCode);

private:
    bool Start(const std::wstring& executable, const std::wstring& commandLine);
    HWND FindDialog() const;

    PROCESS_INFORMATION m_process = {};
    DWORD m_startError = ERROR_SUCCESS;
    HWND m_hWndDialog = nullptr;
};
