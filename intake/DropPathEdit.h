#pragma once

#include "framework/Edit.h"

#include <string>

// Sent by a CDropPathEdit to its parent when a file was dropped on it or
// pasted into it: wParam the address of the zero-terminated path (valid only
// while the message is handled), lParam the sender's control id. Returns 1.
#define WM_SOURCE_PATH (WM_USER + 133)

// An edit control that takes a dropped file, and a file copied in the file
// manager when Ctrl+V is pressed, and hands its path to the parent; Ctrl+A
// selects all of its text.
class CDropPathEdit : public CEdit
{
public:
    CDropPathEdit() = default;
    ~CDropPathEdit() override = default;

    // Whether the control accepts dropped files; set before it is attached.
    BOOL m_bAcceptFiles = TRUE;

protected:
    void PreSubclassWindow() override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnDropFiles(HDROP hDropInfo);

    DECLARE_MESSAGE_MAP()

private:
    void PasteCopiedFile();
    void HandOver(const std::wstring& path);
};

// The path of the first entry of a dropped-file list, whole whatever its length.
std::wstring FirstDroppedPath(HDROP hDrop);
