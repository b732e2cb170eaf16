#include "intake/DropPathEdit.h"

#include "framework/OleDataObject.h"

#include <shellapi.h>

#include <vector>

BEGIN_MESSAGE_MAP(CDropPathEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

std::wstring FirstDroppedPath(HDROP hDrop)
{
    // Ask for the length first, so that no path is cut short.
    const UINT length = DragQueryFileW(hDrop, 0, nullptr, 0);
    if (length == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DragQueryFileW(hDrop, 0, buffer.data(), length + 1);
    return buffer.data();
}

void CDropPathEdit::PreSubclassWindow()
{
    if (m_bAcceptFiles)
        SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    CEdit::PreSubclassWindow();
}

void CDropPathEdit::OnDropFiles(HDROP hDropInfo)
{
    if (!m_bAcceptFiles) {
        DragFinish(hDropInfo);
        return;
    }
    const std::wstring path = FirstDroppedPath(hDropInfo);
    DragFinish(hDropInfo);
    HandOver(path);
}

void CDropPathEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (GetKeyState(VK_CONTROL) < 0) {
        if (nChar == 'A')
            SetSel(0, -1);
        else if (nChar == 'V')
            PasteCopiedFile();
    }
    // The edit control's own handling follows in every case, so plain text
    // still pastes as in any edit field.
    Default();
}

void CDropPathEdit::PasteCopiedFile()
{
    if (!IsClipboardFormatAvailable(CF_HDROP))
        return;
    COleDataObject dataObject;
    if (!dataObject.AttachClipboard())
        return;
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (!dataObject.GetData(CF_HDROP, &medium, &format))
        return;
    const std::wstring path = FirstDroppedPath(static_cast<HDROP>(medium.hGlobal));
    if (medium.pUnkForRelease != nullptr)
        ReleaseStgMedium(&medium);
    else
        GlobalFree(medium.hGlobal);
    HandOver(path);
}

void CDropPathEdit::HandOver(const std::wstring& path)
{
    if (path.empty())
        return;
    GetParent()->SendMessage(WM_SOURCE_PATH, reinterpret_cast<WPARAM>(path.c_str()), GetDlgCtrlID());
}
