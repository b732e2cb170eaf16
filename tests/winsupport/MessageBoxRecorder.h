#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/MessageBox.h"

struct RecordedMessageBox
{
    HWND hWndOwner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

// While it exists, the framework's message boxes are recorded instead of shown.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<RecordedMessageBox>& Boxes() const;

private:
    static int WINAPI Record(HWND hWndOwner, const wchar_t* text, const wchar_t* caption, UINT type);

    AfxMessageBoxHandler m_previous;
};
