#include "app/InspectorApp.h"

#include "framework/CommandLineInfo.h"
#include "ui/InspectorDlg.h"

CInspectorApp theApp;

BEGIN_MESSAGE_MAP(CInspectorApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CInspectorApp::InitInstance()
{
    Enable3dControlsStatic();

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    CInspectorDlg dlg;
    m_pMainWnd = &dlg;
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen)
        dlg.m_strSource = cmdInfo.m_strFileName;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
