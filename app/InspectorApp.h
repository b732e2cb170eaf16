#pragma once

#include "framework/WinApp.h"

// The application object: takes a file named on the command line into the
// main dialog and runs the dialog until it closes.
class CInspectorApp : public CWinApp
{
public:
    CInspectorApp() = default;
    ~CInspectorApp() override = default;

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

extern CInspectorApp theApp;
