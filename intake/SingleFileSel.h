#pragma once

#include "framework/FileDialog.h"

// The file chooser for one source file: hands the system the parameter record
// size that suits it, refuses returned paths with '?' or that do not exist,
// and places its window over the main dialog.
class CSingleFileSel : public CFileDialog
{
public:
    CSingleFileSel(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName, DWORD dwFlags,
                   LPCWSTR lpszFilter, CWnd* pParentWnd);
    ~CSingleFileSel() override = default;

    // IDOK when a file was chosen and passed the checks, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    OPENFILENAMEW m_ofnEx;   // the record actually handed to the system
    BOOL m_bLargeOfn;        // m_ofnEx goes over in its 88-byte form

protected:
    void OnInitDone() override;

private:
    static bool SystemTakesLargeRecord();
    bool ChosenPathAcceptable() const;
    void EnlargeFileList();
};
