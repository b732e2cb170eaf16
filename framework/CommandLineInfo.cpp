#include "framework/CommandLineInfo.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

void CCommandLineInfo::ParseParam(const wchar_t* pszParam, bool bFlag, bool bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else if (m_strFileName.empty())
        m_strFileName = pszParam;  // later parameters name printer, driver and port

    if (bLast && m_nShellCommand == FileNew && !m_strFileName.empty())
        m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseParamFlag(const wchar_t* pszParam)
{
    if (std::wcscmp(pszParam, L"pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (std::wcscmp(pszParam, L"p") == 0)
        m_nShellCommand = FilePrint;
    else if (lstrcmpiW(pszParam, L"Unregister") == 0 || lstrcmpiW(pszParam, L"Unregserver") == 0)
        m_nShellCommand = AppUnregister;
    else if (std::wcscmp(pszParam, L"dde") == 0)
        m_nShellCommand = FileDDE;
    else if (lstrcmpiW(pszParam, L"Embedding") == 0)
        m_bRunEmbedded = true;
    else if (lstrcmpiW(pszParam, L"Automation") == 0)
        m_bRunAutomated = true;
}

void AfxParseCommandLine(CCommandLineInfo& info, const wchar_t* commandLine)
{
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(commandLine, &argc);
    if (argv == nullptr)
        return;
    for (int i = 1; i < argc; ++i) {
        const bool bFlag = argv[i][0] == L'-' || argv[i][0] == L'/';
        info.ParseParam(bFlag ? argv[i] + 1 : argv[i], bFlag, i == argc - 1);
    }
    LocalFree(argv);
}
