// CToolTipCtrl: creation, tools by window handle or by rectangle and id, texts
// given directly or as string resources.

#include "framework/ToolTipCtrl.h"
#include "tests/framework/HostWindow.h"
#include "tests/framework/TestResources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ToolTip : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.SubclassWindow(m_parentWindow.Handle()));
        ASSERT_TRUE(m_child.SubclassWindow(m_childWindow.Handle()));
        ASSERT_TRUE(m_toolTip.Create(&m_parent));
    }

    // The text of a tool, as the tooltip itself gives it.
    std::wstring ToolText(HWND hWnd, UINT_PTR uId, UINT flags)
    {
        wchar_t text[256] = L"";
        TTTOOLINFOW info = {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = flags;
        info.hwnd = hWnd;
        info.uId = uId;
        info.lpszText = text;
        m_toolTip.SendMessage(TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    std::wstring ChildToolText()
    {
        return ToolText(m_parentWindow.Handle(), reinterpret_cast<UINT_PTR>(m_childWindow.Handle()),
                        TTF_IDISHWND);
    }

    HostWindow m_parentWindow;
    HostWindow m_childWindow{m_parentWindow.Handle(), WS_CHILD | WS_VISIBLE, {10, 10, 60, 40}};
    CWnd m_parent;
    CWnd m_child;
    CToolTipCtrl m_toolTip;
};

TEST_F(ToolTip, CreateMakesATooltipWindowOwnedByTheParent)
{
    wchar_t className[64] = L"";
    GetClassNameW(m_toolTip.m_hWnd, className, 64);
    EXPECT_STREQ(L"tooltips_class32", className);
    EXPECT_EQ(m_parentWindow.Handle(), GetWindow(m_toolTip.m_hWnd, GW_OWNER));
}

TEST_F(ToolTip, ToolForAWholeWindowShowsTheGivenText)
{
    ASSERT_TRUE(m_toolTip.AddTool(&m_child, L"关于 Quantlens"));
    EXPECT_EQ(1, m_toolTip.SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_EQ(L"关于 Quantlens", ChildToolText());
}

TEST_F(ToolTip, TextFromAStringResourceIsLoadedByTheTooltip)
{
    ASSERT_TRUE(m_toolTip.AddTool(&m_child, static_cast<UINT>(IDS_FRAMEWORK_TEST_TIP)));
    EXPECT_EQ(L"提示文字", ChildToolText());
}

TEST_F(ToolTip, UpdateTipTextReplacesTheText)
{
    ASSERT_TRUE(m_toolTip.AddTool(&m_child, L"old"));
    m_toolTip.UpdateTipText(L"new", &m_child);
    EXPECT_EQ(L"new", ChildToolText());
}

TEST_F(ToolTip, ToolForARectangleIsFoundByWindowAndId)
{
    const RECT rect = {0, 0, 20, 10};
    ASSERT_TRUE(m_toolTip.AddTool(&m_child, L"mailto:someone@example.com", &rect, 1));
    EXPECT_EQ(L"mailto:someone@example.com", ToolText(m_childWindow.Handle(), 1, 0));

    m_toolTip.UpdateTipText(L"https://example.com/", &m_child, 1);
    EXPECT_EQ(L"https://example.com/", ToolText(m_childWindow.Handle(), 1, 0));
}

TEST_F(ToolTip, DestroyingTheOwnerReleasesTheTooltipObject)
{
    DestroyWindow(m_parentWindow.Handle());
    EXPECT_EQ(nullptr, m_toolTip.m_hWnd);
    EXPECT_TRUE(m_toolTip.Create(nullptr));
}

} // namespace
