#pragma once

#include "framework/CmdTarget.h"

#include <string>

class CCommandLineInfo;
class CWnd;

// The framework's help command; the application's map sends it to OnHelp.
#define ID_HELP 0xE146

// The one application object. The program defines a single global instance of
// a class derived from CWinApp; the framework's entry point initialises it and
// calls InitInstance.
class CWinApp : public CCmdTarget
{
public:
    // Without a name the application title is the executable's file name
    // without folder and extension.
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    ~CWinApp() override;

    // FALSE ends the program at once (exit code 0); TRUE runs Run().
    virtual BOOL InitInstance();
    // The application's message loop, until WM_QUIT; returns ExitInstance().
    virtual int Run();
    // Returns the process exit code.
    virtual int ExitInstance();

    // Fills rCmdInfo from the program's own command line.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Standard controls draw themselves in 3-D on every supported system.
    BOOL Enable3dControlsStatic() { return TRUE; }

    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_pszAppName = nullptr;  // the application title
    CWnd* m_pMainWnd = nullptr;

protected:
    // Help of the framework's own kind does not exist for this program.
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    friend BOOL AfxWinInit(HINSTANCE hInstance);
    void SetCurrentHandles(HINSTANCE hInstance);

    std::wstring m_strAppName;
    int m_nQuitCode = 0;
};

CWinApp* AfxGetApp();
// The application's main window, or null.
CWnd* AfxGetMainWnd();
// The module that holds the program's resources: the executable.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Start-up and clean-up around InitInstance: the application's handles and
// title, OLE (the clipboard's data objects) and the common controls
// (tooltips). The entry point calls them; test programs call them themselves.
BOOL AfxWinInit(HINSTANCE hInstance);
void AfxWinTerm();
// What the entry point wWinMain does: initialise, run the application object,
// clean up; returns the exit code.
int AfxWinMain(HINSTANCE hInstance);
