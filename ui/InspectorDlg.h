#pragma once

#include "about/HelpIcon.h"
#include "framework/Dialog.h"
#include "framework/ToolTipCtrl.h"
#include "inspect/JpegFacts.h"
#include "intake/DropPathEdit.h"

#include <string>

// The program's one window: the source path with its chooser and open
// buttons, the report fields, the file's tables and IJG's reference tables.
class CInspectorDlg : public CDialog
{
public:
    explicit CInspectorDlg(CWnd* pParent = nullptr);
    ~CInspectorDlg() override = default;

    CDropPathEdit m_editPath;
    std::wstring m_strSource;
    int m_nLumaQuality = -1;
    int m_bBaseline = 0;
    int m_nChromaQuality = -1;
    HICON m_hIcon = nullptr;
    HICON m_hSelectIcon = nullptr;
    HICON m_hOpenIcon = nullptr;
    CHelpIcon m_iconAbout;
    CHelpIcon m_iconHelp;
    CToolTipCtrl m_toolTip;
    int m_bQualityMismatch = 0;
    CDropPathEdit m_editTables;
    CDropPathEdit m_editLumaTable;
    CDropPathEdit m_editChromaTable;

    // The file's tables into the table box, the lists and the baseline box to
    // the estimates, then a refresh of the reference pane.
    void ShowFileTables(const JpegFacts& facts);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnSelectSource();
    void OnOpenSource();
    void OnDropFiles(HDROP hDropInfo);
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor);
    void OnReferenceChanged();
    void OnRefreshQT();
    void OnSync();
    LRESULT OnSourcePath(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void AddToolTips();
    void AttachTableBoxes();
    void SetButtonIcon(int nID, int nIconID, HICON& icon);
    void FillQualityList(int nID);
    void TakeSourcePath(const std::wstring& path);
    void PostCommand(int nID);
    bool CheckSourceFile(const std::wstring& path);
    void ShowReport(const JpegFacts& facts);
};
