// The open button: nothing for an empty field, the missing-file message, and
// an existing file handed to the program associated with its type, run in the
// file's folder. The association is registered for a test extension in the
// test's own Wine prefix and removed afterwards.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/winsupport/FileTypeOpener.h"
#include "tests/winsupport/ProgramPaths.h"

#include <shlwapi.h>

namespace {

const wchar_t kExtension[] = L".quantlens-open-test";
const wchar_t kClassName[] = L"QuantlensTest.OpenProbe";
const wchar_t kMarkerVariable[] = L"QUANTLENS_OPEN_MARKER";

class OpenButton : public InspectorWindow
{
protected:
    void SetUp() override
    {
        InspectorWindow::SetUp();
        m_strMarker = m_dir.File(L"opened.txt");
        SetEnvironmentVariableW(kMarkerVariable, m_strMarker.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableW(kMarkerVariable, nullptr);
        InspectorWindow::TearDown();
    }

    void RegisterProbeAsOpener()
    {
        ASSERT_TRUE(m_opener.Register(L"\"" + ProgramBesideTests(OPEN_PROBE_PROGRAM) + L"\" \"%1\""));
    }

    void ClickOpen()
    {
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_OPEN, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_OPEN)));
        PumpMessages();
    }

    // The probe's record: its command line and its current folder.
    bool WaitForProbe(std::wstring& commandLine, std::wstring& folder) const
    {
        for (int i = 0; i < 200 && GetFileAttributesW(m_strMarker.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            Sleep(50);
        if (GetFileAttributesW(m_strMarker.c_str()) == INVALID_FILE_ATTRIBUTES)
            return false;
        const std::vector<unsigned char> bytes = ReadBytes(m_strMarker);
        const std::wstring record(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        const size_t lineEnd = record.find(L'\n');
        commandLine = record.substr(0, lineEnd);
        folder = record.substr(lineEnd + 1);
        return true;
    }

    std::wstring m_strMarker;

private:
    FileTypeOpener m_opener{kExtension, kClassName};
};

TEST_F(OpenButton, EmptyFieldDoesNothing)
{
    RegisterProbeAsOpener();
    ClickOpen();
    EXPECT_TRUE(Boxes().empty());
    Sleep(500);
    EXPECT_EQ(GetFileAttributesW(m_strMarker.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OpenButton, MissingFileIsReportedAndNothingOpened)
{
    RegisterProbeAsOpener();
    SetWindowTextW(Item(IDC_PATH), m_dir.File(std::wstring(L"missing") + kExtension).c_str());
    ClickOpen();
    ExpectOneBox(L"抱歉，此文件不存在。", MB_ICONEXCLAMATION);
    Sleep(500);
    EXPECT_EQ(GetFileAttributesW(m_strMarker.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A typed path counts without Start, and no check of extension or contents
// stands in the way: the file is opened in its own folder.
TEST_F(OpenButton, ExistingFileIsOpenedByItsProgramInItsFolder)
{
    RegisterProbeAsOpener();
    const std::wstring folder = m_dir.MakeDir(L"pictures");
    const std::wstring path = folder + L"\\picture" + kExtension;
    WriteBytes(path, {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'});
    SetWindowTextW(Item(IDC_PATH), path.c_str());
    ClickOpen();

    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(m_dlg.m_strSource, path);
    std::wstring commandLine, workingFolder;
    ASSERT_TRUE(WaitForProbe(commandLine, workingFolder)) << "the associated program did not run";
    EXPECT_NE(StrStrIW(commandLine.c_str(), path.c_str()), nullptr) << commandLine;
    EXPECT_EQ(_wcsicmp(workingFolder.c_str(), folder.c_str()), 0) << workingFolder;
    EXPECT_EQ(Text(IDC_WIDTH), L"");   // opening is not inspecting
}

} // namespace
