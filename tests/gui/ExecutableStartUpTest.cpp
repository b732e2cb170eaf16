// Quantlens.exe started as its own process with the command lines a user or
// the shell gives it: the path field, the report filled without a click, the
// parameters and switches that are not used, and the end on closing.

#include "tests/gui/RunningProgram.h"

#include "res/resource.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class Executable : public testing::Test
{
protected:
    // A sample file in a folder whose name has spaces.
    std::wstring WriteSample(const std::wstring& name)
    {
        const std::wstring path = m_dir.MakeDir(L"my pictures") + L"\\" + name;
        WriteBytes(path, WriteSampleJpeg());
        return path;
    }

    // Closes the program and checks that it ends at once.
    static void ExpectEndsOnClose(RunningProgram& program)
    {
        DWORD exitCode = 1234;
        EXPECT_TRUE(program.Close(exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    // Start-up has had every chance to post and run a Start command.
    static void LetStartUpSettle(const RunningProgram& program)
    {
        for (int i = 0; i < 10; ++i) {
            SendMessageTimeoutW(program.Dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
            Sleep(50);
        }
    }

    static void ExpectEmptyDialog(const RunningProgram& program)
    {
        for (int nID : {IDC_PATH, IDC_WIDTH, IDC_QUALITY, IDC_TABLES})
            EXPECT_EQ(program.Text(nID), L"") << nID;
    }

    TempDir m_dir;
};

TEST_F(Executable, QuotedPathWithSpacesIsShownAndInspectedAtOnce)
{
    const std::wstring path = WriteSample(L"sample photo.jpg");
    RunningProgram program(L"\"" + path + L"\"");
    ASSERT_NE(program.Dialog(), nullptr) << program.Failure();
    EXPECT_EQ(program.WaitForText(IDC_QUALITY), L"75");
    EXPECT_EQ(program.Text(IDC_PATH), path);
    EXPECT_EQ(program.Text(IDC_WIDTH), L"320");
    EXPECT_EQ(program.Text(IDC_HEIGHT), L"240");
    ExpectEndsOnClose(program);
}

TEST_F(Executable, OnlyTheFirstOfTwoParametersIsUsed)
{
    const std::wstring first = WriteSample(L"first.jpg");
    const std::wstring second = WriteSample(L"second.jpg");
    RunningProgram program(L"\"" + first + L"\" \"" + second + L"\"");
    ASSERT_NE(program.Dialog(), nullptr) << program.Failure();
    EXPECT_EQ(program.WaitForText(IDC_QUALITY), L"75");
    EXPECT_EQ(program.Text(IDC_PATH), first);
    ExpectEndsOnClose(program);
}

TEST_F(Executable, PrintSwitchLeavesThePathUnused)
{
    const std::wstring path = WriteSample(L"printed.jpg");
    for (const wchar_t* printSwitch : {L"/p", L"-p"}) {
        RunningProgram program(std::wstring(printSwitch) + L" \"" + path + L"\"");
        ASSERT_NE(program.Dialog(), nullptr) << printSwitch << ": " << program.Failure();
        LetStartUpSettle(program);
        ExpectEmptyDialog(program);
        ExpectEndsOnClose(program);
    }
}

TEST_F(Executable, NoArgumentsOpensEmpty)
{
    RunningProgram program(L"");
    ASSERT_NE(program.Dialog(), nullptr) << program.Failure();
    LetStartUpSettle(program);
    ExpectEmptyDialog(program);
    ExpectEndsOnClose(program);
}

} // namespace
