// Command-line parsing: switches, the first parameter as the file name, and
// the FileNew to FileOpen rule.

#include "framework/CommandLineInfo.h"

#include <gtest/gtest.h>

namespace {

CCommandLineInfo Parse(const wchar_t* commandLine)
{
    CCommandLineInfo info;
    AfxParseCommandLine(info, commandLine);
    return info;
}

TEST(CommandLine, NoArgumentsMeansFileNew)
{
    const CCommandLineInfo info = Parse(L"Quantlens.exe");
    EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);
    EXPECT_EQ(L"", info.m_strFileName);
}

TEST(CommandLine, ProgramNameIsNotAParameter)
{
    const CCommandLineInfo info = Parse(L"\"C:\\Program Files\\Quantlens\\Quantlens.exe\"");
    EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);
    EXPECT_EQ(L"", info.m_strFileName);
}

TEST(CommandLine, QuotedPathWithSpacesIsOneParameterAndOpensTheFile)
{
    const CCommandLineInfo info =
        Parse(L"\"C:\\Program Files\\Quantlens.exe\" \"D:\\my pics\\a b.jpg\"");
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(L"D:\\my pics\\a b.jpg", info.m_strFileName);
}

TEST(CommandLine, OnlyTheFirstParameterIsTheFileName)
{
    const CCommandLineInfo info = Parse(L"q.exe first.jpg second.jpg third.jpg");
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(L"first.jpg", info.m_strFileName);
}

TEST(CommandLine, PrintSwitchesKeepTheFileFromBeingOpened)
{
    EXPECT_EQ(CCommandLineInfo::FilePrint, Parse(L"q.exe /p a.jpg").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::FilePrint, Parse(L"q.exe -p a.jpg").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::FilePrint, Parse(L"q.exe a.jpg /p").m_nShellCommand);
    const CCommandLineInfo printTo = Parse(L"q.exe /pt a.jpg printer driver port");
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, printTo.m_nShellCommand);
    EXPECT_EQ(L"a.jpg", printTo.m_strFileName);
}

TEST(CommandLine, CaseSensitiveSwitchesInOtherCaseAreIgnored)
{
    EXPECT_EQ(CCommandLineInfo::FileOpen, Parse(L"q.exe /P a.jpg").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::FileOpen, Parse(L"q.exe /PT a.jpg").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::FileOpen, Parse(L"q.exe /DDE a.jpg").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::FileDDE, Parse(L"q.exe /dde a.jpg").m_nShellCommand);
}

TEST(CommandLine, UnregisterSwitchesIgnoreCase)
{
    EXPECT_EQ(CCommandLineInfo::AppUnregister, Parse(L"q.exe /UNREGISTER").m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::AppUnregister, Parse(L"q.exe -unregserver a.jpg").m_nShellCommand);
}

TEST(CommandLine, EmbeddingAndAutomationLeaveTheShellCommandAlone)
{
    const CCommandLineInfo embedded = Parse(L"q.exe /EMBEDDING a.jpg");
    EXPECT_TRUE(embedded.m_bRunEmbedded);
    EXPECT_EQ(CCommandLineInfo::FileOpen, embedded.m_nShellCommand);
    const CCommandLineInfo automated = Parse(L"q.exe -automation");
    EXPECT_TRUE(automated.m_bRunAutomated);
    EXPECT_EQ(CCommandLineInfo::FileNew, automated.m_nShellCommand);
}

TEST(CommandLine, OtherSwitchesAreIgnoredAndAreNoFileName)
{
    const CCommandLineInfo info = Parse(L"q.exe /x -verbose a.jpg");
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(L"a.jpg", info.m_strFileName);
}

} // namespace
