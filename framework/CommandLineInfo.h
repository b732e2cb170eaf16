#pragma once

#include <string>

// What the command line asks the application to do, filled by
// CWinApp::ParseCommandLine.
class CCommandLineInfo
{
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    virtual ~CCommandLineInfo() = default;

    // Takes one argument: bFlag when it began with '-' or '/' (pszParam is
    // then the rest), bLast for the last argument.
    virtual void ParseParam(const wchar_t* pszParam, bool bFlag, bool bLast);

    ShellCommand m_nShellCommand = FileNew;
    std::wstring m_strFileName;  // the first argument that is not a switch
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;

private:
    void ParseParamFlag(const wchar_t* pszParam);
};

// Splits a whole command line into arguments as the system does (quotes group
// blanks; the first argument is the program and is skipped) and hands each to
// info.ParseParam.
void AfxParseCommandLine(CCommandLineInfo& info, const wchar_t* commandLine);
