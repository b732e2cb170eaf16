// Keys reaching the dialog through its PreTranslateMessage and the system's
// dialog navigation: Enter runs the Start command from the path field and
// from a table box and keeps the window; Escape ends the dialog.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/generator/JpegWriter.h"

namespace {

class Keyboard : public InspectorWindow
{
protected:
    // Posts the key's press and release to the focused control, as the
    // keyboard would, and lets the dialog's loop handle them.
    void PressKey(int nFocusID, UINT key)
    {
        SetForegroundWindow(Dialog());
        SetFocus(Item(nFocusID));
        ASSERT_EQ(GetFocus(), Item(nFocusID));
        const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        PostMessageW(Item(nFocusID), WM_KEYDOWN, key, 1 | (scanCode << 16));
        PostMessageW(Item(nFocusID), WM_KEYUP, key, 1 | (scanCode << 16) | 0xC0000000u);
        PumpMessages();
    }
};

TEST_F(Keyboard, EnterInThePathFieldRunsStart)
{
    const std::wstring path = WriteFile(L"typed.jpg", WriteSampleJpeg());
    SetWindowTextW(Item(IDC_PATH), path.c_str());
    PressKey(IDC_PATH, VK_RETURN);
    EXPECT_EQ(Text(IDC_WIDTH), L"320");
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_TRUE(Boxes().empty());
}

// With an empty path the Start command answers with its one message, once per Enter.
TEST_F(Keyboard, EnterInEachTableBoxRunsStart)
{
    size_t expectedBoxes = 0;
    for (int nBoxID : {IDC_TABLES, IDC_LUMA_TABLE, IDC_CHROMA_TABLE}) {
        PressKey(nBoxID, VK_RETURN);
        ASSERT_EQ(Boxes().size(), ++expectedBoxes) << nBoxID;
        EXPECT_EQ(Boxes().back().text, L"请先选择源文件。") << nBoxID;
        EXPECT_EQ(Text(nBoxID), L"") << "Enter must not reach the box";
        EXPECT_TRUE(IsWindowVisible(Dialog())) << nBoxID;
    }
}

TEST_F(Keyboard, EnterInATableBoxInspectsTheTypedPath)
{
    const std::wstring path = WriteFile(L"typed.jpg", WriteSampleJpeg());
    SetWindowTextW(Item(IDC_PATH), path.c_str());
    PressKey(IDC_LUMA_TABLE, VK_RETURN);
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_EQ(Selection(IDC_LUMA_QUALITY), 75);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Keyboard, EscapeEndsTheDialog)
{
    ASSERT_TRUE(IsWindowVisible(Dialog()));
    PressKey(IDC_PATH, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(Dialog()));
}

} // namespace
