// Paths arriving by drop and by Ctrl+V with a copied file: they land whole in
// the path field and run the Start command; the user's other settings stay.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/generator/JpegWriter.h"
#include "tests/winsupport/DropAndPaste.h"

namespace {

class DropPaste : public InspectorWindow
{
protected:
    // A path of more than 260 characters under the temporary folder.
    std::wstring LongPath() const
    {
        return m_dir.File(std::wstring(120, L'a') + L"\\" + std::wstring(150, L'b') + L".jpg");
    }
};

TEST_F(DropPaste, DropOnThePathFieldInspects)
{
    const std::wstring path = WriteFile(L"dropped.jpg", WriteSampleJpeg());
    DropOn(Item(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(DropPaste, DropOnTheDialogInspects)
{
    // A table box does not accept files itself: its drops reach the dialog.
    const std::wstring path = WriteFile(L"dropped.jpg", WriteSampleJpeg());
    DropOn(Dialog(), path);
    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_EQ(GetWindowLongW(Item(IDC_TABLES), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    EXPECT_NE(GetWindowLongW(Item(IDC_PATH), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
}

TEST_F(DropPaste, LongPathsArriveWhole)
{
    const std::wstring path = LongPath();
    ASSERT_GT(path.size(), 260u);
    DropOn(Item(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_PATH), path);
    DropOn(Dialog(), path + L"x");
    EXPECT_EQ(Text(IDC_PATH), path + L"x");
    // Neither exists: each drop ran the Start command once.
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(DropPaste, DropKeepsTheListsAndTheBaselineBox)
{
    ChooseQuality(IDC_LUMA_QUALITY, 30);
    ChooseQuality(IDC_CHROMA_QUALITY, 40);
    SendMessageW(Item(IDC_BASELINE), BM_SETCHECK, BST_UNCHECKED, 0);
    DropOn(Dialog(), m_dir.File(L"missing.jpg"));
    ExpectOneBox(L"所选源文件已不存在，请重新选择。", MB_ICONEXCLAMATION);
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 30);
    EXPECT_EQ(Selection(IDC_CHROMA_QUALITY), 40);
    EXPECT_FALSE(BaselineChecked());
}

TEST_F(DropPaste, ControlVWithACopiedFileInThePathFieldInspects)
{
    const std::wstring path = WriteFile(L"copied.jpg", WriteSampleJpeg());
    ASSERT_TRUE(CopyFileToClipboard(Dialog(), path));
    PressWithControl(Item(IDC_PATH), 'V');
    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
}

TEST_F(DropPaste, ControlVInATableBoxIsIgnored)
{
    ASSERT_TRUE(CopyFileToClipboard(Dialog(), WriteFile(L"copied.jpg", WriteSampleJpeg())));
    PressWithControl(Item(IDC_LUMA_TABLE), 'V');
    EXPECT_EQ(Text(IDC_PATH), L"");
    EXPECT_EQ(Text(IDC_QUALITY), L"");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(DropPaste, ControlASelectsAll)
{
    for (int nID : {IDC_PATH, IDC_TABLES}) {
        SetWindowTextW(Item(nID), L"some text");
        SendMessageW(Item(nID), EM_SETSEL, 2, 3);
        PressWithControl(Item(nID), 'A');
        DWORD start = 1, end = 0;
        SendMessageW(Item(nID), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << nID;
        EXPECT_EQ(end, 9u) << nID;
    }
}

} // namespace
