// How a source path reaches the main dialog: the file chooser, the open
// button, drops on the window and the path field's hand-off.
#include "ui/InspectorDlg.h"

#include "about/ShellOpen.h"
#include "framework/MessageBox.h"
#include "intake/SingleFileSel.h"
#include "intake/SourceFileCheck.h"
#include "res/resource.h"

#include <shellapi.h>
#include <shlwapi.h>

void CInspectorDlg::TakeSourcePath(const std::wstring& path)
{
    // The lists and the baseline box keep what the user has set.
    UpdateData(TRUE);
    m_strSource = path;
    UpdateData(FALSE);
    PostCommand(IDOK);
}

LRESULT CInspectorDlg::OnSourcePath(WPARAM wParam, LPARAM lParam)
{
    const wchar_t* path = reinterpret_cast<const wchar_t*>(wParam);
    // Only the path field hands over paths; Ctrl+V in a table box is ignored.
    if (path == nullptr || *path == L'\0' || (lParam != 0 && lParam != IDC_PATH))
        return 1;
    TakeSourcePath(path);
    return 1;
}

void CInspectorDlg::OnDropFiles(HDROP hDropInfo)
{
    const std::wstring path = FirstDroppedPath(hDropInfo);
    DragFinish(hDropInfo);
    if (!path.empty())
        TakeSourcePath(path);
}

void CInspectorDlg::OnSelectSource()
{
    CSingleFileSel chooser(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                           L"JPEG Files(*.jpg)|*.jpg;*.jpeg|All Files(*.*)|*.*||", this);
    chooser.m_ofn.lpstrTitle = L"选择文件";
    if (chooser.DoModal() != IDOK)
        return;
    TakeSourcePath(chooser.GetPathName());
}

void CInspectorDlg::OnOpenSource()
{
    UpdateData(TRUE);
    if (m_strSource.empty())
        return;
    if (!PathFileExistsW(m_strSource.c_str())) {
        AfxMessageBox(L"抱歉，此文件不存在。");
        return;
    }
    ShellOpenPath(m_strSource);
}

bool CInspectorDlg::CheckSourceFile(const std::wstring& path)
{
    if (auto refusal = FindSourceRefusal(path)) {
        AfxMessageBox(*refusal);
        return false;
    }
    return true;
}
