// The select button on the system's real file chooser under Wine, driven by a
// script that types a path and presses OK or Cancel: what the chooser shows,
// what it hands back, and what the main dialog does with it.

#include "tests/gui/InspectorWindow.h"

#include "intake/SingleFileSel.h"
#include "res/resource.h"
#include "tests/generator/JpegWriter.h"
#include "tests/gui/ChooserScript.h"

namespace {

std::wstring CurrentFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

POINT CentreOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The main dialog in the middle of the screen, so that a chooser centred over
// it is not pushed back onto the screen.
class FileChooser : public InspectorWindow
{
protected:
    void SetUp() override
    {
        InspectorWindow::SetUp();
        RECT work, dialog;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        GetWindowRect(Dialog(), &dialog);
        const POINT centre = CentreOf(work);
        SetWindowPos(Dialog(), nullptr, centre.x - (dialog.right - dialog.left) / 2,
                     centre.y - (dialog.bottom - dialog.top) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Clicks the select button; the script drives the chooser it opens.
    void ClickSelect()
    {
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_SELECT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_SELECT)));
    }

    bool CommandQueued() const
    {
        MSG msg;
        return PeekMessageW(&msg, Dialog(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
    }

    // A good report from an earlier file, which the chooser must leave alone.
    std::wstring InspectEarlierFile()
    {
        const std::wstring earlier = WriteFile(L"earlier.jpg", WriteSampleJpeg());
        Start(earlier);
        EXPECT_EQ(Text(IDC_QUALITY), L"75");
        return earlier;
    }

    void ExpectEarlierReportStands(const std::wstring& earlier)
    {
        EXPECT_EQ(Text(IDC_PATH), earlier);
        EXPECT_EQ(m_dlg.m_strSource, earlier);
        EXPECT_EQ(Text(IDC_WIDTH), L"320");
        EXPECT_EQ(Text(IDC_QUALITY), L"75");
        EXPECT_FALSE(CommandQueued());
    }
};

TEST_F(FileChooser, CancelChangesNothingAndPostsNothing)
{
    const std::wstring earlier = InspectEarlierFile();
    ChooserScript script(L"");
    ClickSelect();
    EXPECT_TRUE(script.View().shown);
    ExpectEarlierReportStands(earlier);
    PumpMessages();
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileChooser, ChosenFileFillsTheFieldAndIsInspectedAtOnce)
{
    JpegOptions options;
    options.quality = 10;
    const std::wstring path = WriteFile(L"chosen.jpg", WriteJpeg(options));
    ChooseQuality(IDC_LUMA_QUALITY, 40);
    ChooserScript script(path);
    ClickSelect();

    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(m_dlg.m_strSource, path);
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 40);   // the other fields keep their settings
    EXPECT_TRUE(CommandQueued());          // the Start command, not yet run
    EXPECT_EQ(Text(IDC_QUALITY), L"");
    PumpMessages();
    EXPECT_EQ(Text(IDC_QUALITY), L"12/17");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileChooser, ShowsItsTitleAndTheTwoFileTypes)
{
    ChooserScript script(L"");
    ClickSelect();
    const ChooserView& view = script.View();
    ASSERT_TRUE(view.shown);
    EXPECT_EQ(view.title, L"选择文件");
    const std::vector<std::wstring> fileTypes = {L"JPEG Files(*.jpg)", L"All Files(*.*)"};
    EXPECT_EQ(view.fileTypes, fileTypes);
    EXPECT_EQ(view.selectedFileType, 0);
}

TEST_F(FileChooser, RunsModallyOverTheMainDialogWithTheLargeRecordCentred)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExW(&version));
    ASSERT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    ASSERT_GE(version.dwMajorVersion, 5u);   // Wine reports an NT system of version 6 or later
    CSingleFileSel probe(TRUE, nullptr, nullptr, 0, nullptr, &m_dlg);
    EXPECT_TRUE(probe.m_bLargeOfn);

    ChooserScript script(L"");
    ClickSelect();
    const ChooserView& view = script.View();
    ASSERT_TRUE(view.shown);
#ifndef _WIN64
    static_assert(sizeof(OPENFILENAMEW) == 88, "the large record of the 32-bit program");
#endif
    EXPECT_EQ(view.recordSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(view.owner, Dialog());
    EXPECT_FALSE(view.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(Dialog()));
    RECT dialog;
    GetWindowRect(Dialog(), &dialog);
    const POINT chooserCentre = CentreOf(view.window), dialogCentre = CentreOf(dialog);
    EXPECT_NEAR(chooserCentre.x, dialogCentre.x, 1);
    EXPECT_NEAR(chooserCentre.y, dialogCentre.y, 1);
}

TEST_F(FileChooser, ChoosingFromAnotherFolderKeepsTheCurrentFolder)
{
    const std::wstring previous = CurrentFolder();
    const std::wstring here = m_dir.MakeDir(L"here");
    const std::wstring there = m_dir.MakeDir(L"there");
    const std::wstring path = there + L"\\elsewhere.jpg";
    WriteBytes(path, WriteSampleJpeg());
    ASSERT_TRUE(SetCurrentDirectoryW(here.c_str()));

    ChooserScript script(path);
    ClickSelect();
    const std::wstring after = CurrentFolder();
    SetCurrentDirectoryW(previous.c_str());

    EXPECT_EQ(script.View().flags & (OFN_NOCHANGEDIR | OFN_DONTADDTORECENT),
              static_cast<DWORD>(OFN_NOCHANGEDIR | OFN_DONTADDTORECENT));
    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(_wcsicmp(after.c_str(), here.c_str()), 0) << after;
}

// A file name cannot hold '?', so the chooser never returns one by itself:
// the script puts it into the path the chooser hands back.
TEST_F(FileChooser, ReturnedPathWithQuestionMarkIsRefusedWithThePath)
{
    const std::wstring earlier = InspectEarlierFile();
    const std::wstring path = WriteFile(L"photo.jpg", WriteSampleJpeg());
    std::wstring returned;
    ChooserScript script(path);
    script.m_onFileOk = [&returned](wchar_t* chosen) {
        wcsrchr(chosen, L'o')[0] = L'?';
        returned = chosen;
    };
    ClickSelect();

    ASSERT_EQ(returned.find(L'?'), returned.size() - 5) << returned;
    ExpectOneBox(L"路径含无效字符（?）：\r\n" + returned, MB_ICONEXCLAMATION);
    ExpectEarlierReportStands(earlier);
}

// The file goes away between the chooser's own existence check and its return.
TEST_F(FileChooser, ReturnedPathThatNoLongerExistsIsRefused)
{
    const std::wstring earlier = InspectEarlierFile();
    const std::wstring path = WriteFile(L"vanishing.jpg", WriteSampleJpeg());
    ChooserScript script(path);
    script.m_onFileOk = [](wchar_t* chosen) { DeleteFileW(chosen); };
    ClickSelect();

    ASSERT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    ExpectOneBox(L"指定的文件不存在或文件名异常。", MB_ICONEXCLAMATION);
    ExpectEarlierReportStands(earlier);
}

} // namespace
