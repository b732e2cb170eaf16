#include "ui/InspectorDlg.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CInspectorDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SELECT, OnSelectSource)
    ON_BN_CLICKED(IDC_OPEN, OnOpenSource)
    ON_WM_DROPFILES()
    ON_WM_CTLCOLOR()
    ON_CBN_SELCHANGE(IDC_LUMA_QUALITY, OnReferenceChanged)
    ON_CBN_SELCHANGE(IDC_CHROMA_QUALITY, OnReferenceChanged)
    ON_COMMAND(IDC_REFRESH, OnRefreshQT)
    ON_BN_CLICKED(IDC_BASELINE, OnReferenceChanged)
    ON_BN_CLICKED(IDC_SYNC, OnSync)
    ON_MESSAGE(WM_SOURCE_PATH, OnSourcePath)
END_MESSAGE_MAP()

CInspectorDlg::CInspectorDlg(CWnd* pParent)
    : CDialog(IDD_MAIN, pParent)
{
    // The shared program icon at the system's standard size; never destroyed.
    m_hIcon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_MAIN));
    m_editTables.m_bAcceptFiles = FALSE;
    m_editLumaTable.m_bAcceptFiles = FALSE;
    m_editChromaTable.m_bAcceptFiles = FALSE;
}

void CInspectorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PATH, m_editPath);
    DDX_Text(pDX, IDC_PATH, m_strSource);
    DDX_CBIndex(pDX, IDC_LUMA_QUALITY, m_nLumaQuality);
    DDX_Check(pDX, IDC_BASELINE, m_bBaseline);
    DDX_CBIndex(pDX, IDC_CHROMA_QUALITY, m_nChromaQuality);
}

BOOL CInspectorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_toolTip.Create(this);
    EnableToolTips(TRUE);
    AddToolTips();

    m_editPath.m_bAcceptFiles = TRUE;
    AttachTableBoxes();

    SetButtonIcon(IDC_SELECT, IDI_SELECT, m_hSelectIcon);
    SetButtonIcon(IDC_OPEN, IDI_OPEN, m_hOpenIcon);

    m_iconAbout.SubclassDlgItem(IDC_ABOUT_ICON, this);
    m_iconAbout.SetIconImage(IDI_MAIN, 48);
    m_iconHelp.m_nMode = CHelpIcon::ModeHelpPage;
    m_iconHelp.SubclassDlgItem(IDC_HELP_ICON, this);
    m_iconHelp.SetIconImage(IDI_HELP, 48);

    FillQualityList(IDC_LUMA_QUALITY);
    FillQualityList(IDC_CHROMA_QUALITY);

    UpdateData(TRUE);
    m_bBaseline = 1;
    UpdateData(FALSE);

    // A path from the command line is inspected as soon as the loop runs.
    if (!m_strSource.empty())
        PostCommand(IDOK);
    return TRUE;
}

// Every child whose id is also a string resource gets that string as its
// tooltip; the two clickable icons get texts of their own.
void CInspectorDlg::AddToolTips()
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        CWnd* control = CWnd::FromHandle(child);
        wchar_t probe[2];
        if (id == IDC_ABOUT_ICON)
            m_toolTip.AddTool(control, L"关于 Quantlens");
        else if (id == IDC_HELP_ICON)
            m_toolTip.AddTool(control, L"打开帮助文件");
        else if (id > 0 && LoadStringW(AfxGetResourceHandle(), id, probe, 2) > 0)
            m_toolTip.AddTool(control, static_cast<UINT>(id));
    }
}

// The flag must be cleared before attaching: attaching reads it.
void CInspectorDlg::AttachTableBoxes()
{
    const struct { int id; CDropPathEdit* box; } boxes[] = {
        {IDC_TABLES, &m_editTables},
        {IDC_LUMA_TABLE, &m_editLumaTable},
        {IDC_CHROMA_TABLE, &m_editChromaTable},
    };
    for (const auto& entry : boxes) {
        entry.box->m_bAcceptFiles = FALSE;
        entry.box->SubclassDlgItem(entry.id, this);
    }
}

void CInspectorDlg::SetButtonIcon(int nID, int nIconID, HICON& icon)
{
    icon = static_cast<HICON>(LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIconID),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    SendDlgItemMessageW(m_hWnd, nID, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CInspectorDlg::FillQualityList(int nID)
{
    for (int quality = 0; quality <= 100; ++quality)
        SendDlgItemMessageW(m_hWnd, nID, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::to_wstring(quality).c_str()));
}

BOOL CInspectorDlg::PreTranslateMessage(MSG* pMsg)
{
    m_toolTip.RelayEvent(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CInspectorDlg::OnCancel()
{
    CDialog::OnCancel();
}

void CInspectorDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CInspectorDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

HBRUSH CInspectorDlg::OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(hDC, pWnd, nCtlColor);
    if (m_bQualityMismatch && pWnd != nullptr && pWnd->GetDlgCtrlID() == IDC_QUALITY)
        SetTextColor(hDC, RGB(255, 0, 0));
    return brush;
}

void CInspectorDlg::OnDestroy()
{
    CDialog::OnDestroy();
    if (m_hSelectIcon != nullptr)
        DestroyIcon(m_hSelectIcon);
    if (m_hOpenIcon != nullptr)
        DestroyIcon(m_hOpenIcon);
    m_hSelectIcon = m_hOpenIcon = nullptr;
}

void CInspectorDlg::PostCommand(int nID)
{
    PostMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}
