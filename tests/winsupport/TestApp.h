#pragma once

#include "framework/WinApp.h"

// A command id that only the test application's message map handles.
const UINT kAppCommand = 0x7F01;

// The application object of the framework tests.
class CTestApp : public CWinApp
{
public:
    int m_nAppCommands = 0;  // how often kAppCommand reached the application

protected:
    void OnAppCommand() { ++m_nAppCommands; }

    DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();
