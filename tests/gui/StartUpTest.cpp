// The main dialog as it opens: lists, baseline box, empty boxes, tooltips,
// icon sizes, and a path preset as the command line presets it.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/generator/JpegWriter.h"

#include <commctrl.h>

#include <map>

namespace {

using StartUp = InspectorWindow;

TEST_F(StartUp, ListsHoldZeroToHundredWithoutSelection)
{
    for (int nID : {IDC_LUMA_QUALITY, IDC_CHROMA_QUALITY}) {
        ASSERT_EQ(SendMessageW(Item(nID), CB_GETCOUNT, 0, 0), 101);
        for (int i = 0; i <= 100; ++i) {
            wchar_t item[8] = {};
            SendMessageW(Item(nID), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            EXPECT_EQ(std::wstring(item), std::to_wstring(i));
        }
        EXPECT_EQ(Selection(nID), CB_ERR);
    }
}

TEST_F(StartUp, BaselineCheckedBoxesEmptyFocusOnStart)
{
    EXPECT_TRUE(BaselineChecked());
    for (int nID : {IDC_PATH, IDC_TABLES, IDC_LUMA_TABLE, IDC_CHROMA_TABLE, IDC_QUALITY, IDC_SAME})
        EXPECT_EQ(Text(nID), L"") << nID;
    EXPECT_EQ(GetFocus(), Item(IDOK));
}

TEST_F(StartUp, TooltipsOnExactlyTheFourControls)
{
    HWND hTip = m_dlg.m_toolTip.m_hWnd;
    ASSERT_NE(hTip, nullptr);
    const int count = static_cast<int>(SendMessageW(hTip, TTM_GETTOOLCOUNT, 0, 0));
    std::map<int, std::wstring> tips;
    for (int i = 0; i < count; ++i) {
        TOOLINFOW info = {};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(SendMessageW(hTip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info)));
        EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
        wchar_t text[80] = {};
        info.lpszText = text;
        SendMessageW(hTip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        tips[GetDlgCtrlID(reinterpret_cast<HWND>(info.uId))] = text;
    }
    const std::map<int, std::wstring> expected = {
        {IDC_SELECT, L"选择源文件"},
        {IDC_OPEN, L"打开源文件"},
        {IDC_ABOUT_ICON, L"关于 Quantlens"},
        {IDC_HELP_ICON, L"打开帮助文件"},
    };
    EXPECT_EQ(count, 4);
    EXPECT_EQ(tips, expected);
}

TEST_F(StartUp, IconControlsShowFortyEightPixelIcons)
{
    for (int nID : {IDC_ABOUT_ICON, IDC_HELP_ICON}) {
        RECT rect = {};
        GetClientRect(Item(nID), &rect);
        EXPECT_EQ(rect.right, 48) << nID;
        EXPECT_EQ(rect.bottom, 48) << nID;
        HICON hIcon = reinterpret_cast<HICON>(SendMessageW(Item(nID), STM_GETICON, 0, 0));
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(hIcon, &info)) << nID;
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 48) << nID;
        EXPECT_EQ(bitmap.bmHeight, 48) << nID;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

class PresetSource : public InspectorWindow
{
protected:
    PresetSource() { m_bOpenInSetUp = false; }
};

TEST_F(PresetSource, PresetPathIsShownAndInspectedWithoutAClick)
{
    const std::wstring path = WriteFile(L"sample.jpg", WriteSampleJpeg());
    m_dlg.m_strSource = path;
    Open();
    EXPECT_EQ(Text(IDC_PATH), path);
    EXPECT_EQ(Text(IDC_WIDTH), L"320");
    EXPECT_EQ(Text(IDC_QUALITY), L"75");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(PresetSource, NoPresetPathRunsNothing)
{
    Open();
    EXPECT_EQ(Text(IDC_WIDTH), L"");
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
