#include "framework/WinApp.h"

#include "framework/CommandLineInfo.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "framework/MessageLoop.h"
#include "framework/Wnd.h"

#include <commctrl.h>
#include <ole2.h>

#include <vector>

namespace {

CWinApp* g_app = nullptr;
bool g_oleInitialized = false;

// "C:\tools\viewer.exe" gives "viewer".
std::wstring ModuleBaseName(HINSTANCE hInstance)
{
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(hInstance, path.data(), static_cast<DWORD>(path.size()));
    std::wstring name(path.data(), length);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(const wchar_t* lpszAppName)
{
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName.c_str();
    }
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetCurrentHandles(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    if (m_pszAppName == nullptr) {
        m_strAppName = ModuleBaseName(hInstance);
        m_pszAppName = m_strAppName.c_str();
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    HWND hWndMain = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    while (AfxPumpMessage(hWndMain, m_nQuitCode)) {
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return m_nQuitCode;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    AfxParseCommandLine(rCmdInfo, GetCommandLineW());
}

void CWinApp::OnHelp()
{
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app != nullptr && g_app->m_hInstance != nullptr ? g_app->m_hInstance
                                                             : GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

BOOL AfxWinInit(HINSTANCE hInstance)
{
    if (g_app != nullptr)
        g_app->SetCurrentHandles(hInstance);
    // Without OLE the clipboard's data object cannot be had: pasting a copied
    // file then does nothing, and the rest of the program works on.
    g_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};  // tooltips
    InitCommonControlsEx(&controls);
    return TRUE;
}

void AfxWinTerm()
{
    if (g_oleInitialized)
        OleUninitialize();
    g_oleInitialized = false;
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* app = AfxGetApp();
    int exitCode = -1;
    if (app != nullptr && AfxWinInit(hInstance)) {
        try {
            exitCode = app->InitInstance() ? app->Run() : app->ExitInstance();
        } catch (CException* e) {
            AfxReportException(e);
        }
    }
    AfxWinTerm();
    return exitCode;
}
