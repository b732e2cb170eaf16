#include "intake/SingleFileSel.h"

#include "framework/MessageBox.h"

#include <dlgs.h>
#include <shlwapi.h>

#include <cstddef>
#include <cstring>
#include <cwchar>

namespace {

// The part of the record after its size field that both forms share (72
// bytes in a 32-bit program).
constexpr size_t kSharedFieldsSize = sizeof(OPENFILENAME_NT4W) - offsetof(OPENFILENAME_NT4W, hwndOwner);
static_assert(sizeof(void*) != 4 || (sizeof(OPENFILENAMEW) == 88 && sizeof(OPENFILENAME_NT4W) == 76
                                     && kSharedFieldsSize == 72),
              "the chooser's records have their documented 32-bit sizes");

// -1 untested, then 1 (NT family, major version 5 or later) or 0.
int g_nLargeOfnSystem = -1;

void MoveControlDown(HWND chooser, int id, int distance)
{
    HWND control = GetDlgItem(chooser, id);
    if (control == nullptr)
        return;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, chooser, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(control, nullptr, rect.left, rect.top + distance, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CSingleFileSel::CSingleFileSel(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName,
                               DWORD dwFlags, LPCWSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd)
{
    std::memset(&m_ofnEx, 0, sizeof m_ofnEx);
    m_bLargeOfn = SystemTakesLargeRecord() ? TRUE : FALSE;
    // Choosing a file changes neither the process's current folder nor the
    // list of recently used documents.
    m_ofn.Flags |= OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
}

bool CSingleFileSel::SystemTakesLargeRecord()
{
    if (g_nLargeOfnSystem < 0) {
        OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof version;
        g_nLargeOfnSystem = GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT
                            && version.dwMajorVersion >= 5 ? 1 : 0;
    }
    return g_nLargeOfnSystem == 1;
}

INT_PTR CSingleFileSel::DoModal()
{
    const size_t used = std::wcslen(m_ofn.lpstrFile);
    std::fill(m_ofn.lpstrFile + used, m_ofn.lpstrFile + m_ofn.nMaxFile, L'\0');

    BOOL chosen;
    {
        CModalScope modal(*this);
        std::memset(&m_ofnEx, 0, sizeof m_ofnEx);
        m_ofnEx.lStructSize = m_bLargeOfn ? sizeof(OPENFILENAMEW) : sizeof(OPENFILENAME_NT4W);
        std::memcpy(&m_ofnEx.hwndOwner, &m_ofn.hwndOwner, kSharedFieldsSize);
        chosen = m_bOpenFileDialog ? GetOpenFileNameW(&m_ofnEx) : GetSaveFileNameW(&m_ofnEx);
        std::memcpy(&m_ofn.hwndOwner, &m_ofnEx.hwndOwner, kSharedFieldsSize);
    }
    if (!chosen)
        return IDCANCEL;
    return ChosenPathAcceptable() ? IDOK : IDCANCEL;
}

bool CSingleFileSel::ChosenPathAcceptable() const
{
    const wchar_t* path = m_ofn.lpstrFile;
    if (StrChrW(path, L'?') != nullptr) {
        AfxMessageBox(std::wstring(L"路径含无效字符（?）：\r\n") + path);
        return false;
    }
    if (m_bOpenFileDialog && !PathFileExistsW(path)) {
        AfxMessageBox(L"指定的文件不存在或文件名异常。");
        return false;
    }
    return true;
}

void CSingleFileSel::OnInitDone()
{
    if (!m_bLargeOfn)
        EnlargeFileList();
    GetParent()->CenterWindow();
}

// The old-style record gets a file list twice as tall; the controls below it
// move down with the window's bottom edge.
void CSingleFileSel::EnlargeFileList()
{
    HWND chooser = GetParent()->GetSafeHwnd();
    HWND list = ::GetDlgItem(chooser, lst1);
    if (list == nullptr)
        return;
    RECT listRect;
    ::GetWindowRect(list, &listRect);
    MapWindowPoints(nullptr, chooser, reinterpret_cast<POINT*>(&listRect), 2);
    const int growth = listRect.bottom - listRect.top;

    RECT window;
    ::GetWindowRect(chooser, &window);
    ::SetWindowPos(chooser, nullptr, 0, 0, window.right - window.left,
                   window.bottom - window.top + growth, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {stc3, stc2, edt1, cmb1, IDOK, IDCANCEL})
        MoveControlDown(chooser, id, growth);
    ::SetWindowPos(list, nullptr, 0, 0, listRect.right - listRect.left, growth * 2,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
