// The About box's template and the fit of its texts in the window it creates.

#include "tests/resources/DialogTemplate.h"
#include "tests/resources/DialogWindow.h"
#include "tests/resources/ResourceModule.h"

#include "res/AboutInfo.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>

namespace {

static_assert(IDD_ABOUT == 135 && IDC_ABOUT_VERSION == 1071 && IDC_ABOUT_AUTHOR == 118
              && IDC_ABOUT_EMAIL == 1008 && IDC_ABOUT_HOMEPAGE == 1007 && IDC_ABOUT_LOGO == 1019);

constexpr uint16_t Button = 0x0080;
constexpr uint16_t Static = 0x0082;
constexpr uint32_t Child = WS_CHILD | WS_VISIBLE;
constexpr uint32_t Caption = Child | SS_RIGHT | WS_GROUP;
constexpr uint32_t Text = Child | SS_LEFT | WS_GROUP;

struct ExpectedControl {
    int id;
    uint16_t windowClass;
    const wchar_t* text;
    uint32_t style;
    int16_t x, y, cx, cy;
};

const ExpectedControl kControls[] = {
    {1, Button, L"确定", Child | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 194, 28, 32, 14},
    {1071, Static, L"Quantlens Version 1.00", Child | SS_CENTER | WS_GROUP, 7, 7, 219, 8},
    {-1, Static, L"作者:", Caption, 33, 21, 29, 8},
    {1008, Static, L"" ABOUT_EMAIL, Text, 67, 30, 112, 8},
    {118, Static, L"" ABOUT_AUTHOR, Text, 67, 21, 17, 8},
    {-1, Static, L"电邮:", Caption, 33, 30, 29, 8},
    {-1, Static, L"主页:", Caption, 33, 40, 29, 8},
    {1007, Static, L"" ABOUT_HOMEPAGE_TITLE, Text, 67, 40, 115, 8},
    {1019, Static, L"#128", Child | SS_ICON, 7, 34, 20, 20},
    {-1, Static, L"" ABOUT_TERMS, Text, 44, 53, 167, 19},
};

DialogTemplate AboutTemplate()
{
    return ParseDialogTemplate(Program().Bytes(RT_DIALOG, 135));
}

TEST(AboutDialogTemplate, IsAHiddenModalPopUpWithCaptionAndSize)
{
    DialogTemplate dialog = AboutTemplate();
    EXPECT_EQ(dialog.style,
              static_cast<uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.cx, 233);
    EXPECT_EQ(dialog.cy, 79);
    EXPECT_EQ(dialog.title, L"关于 Quantlens");
    EXPECT_EQ(dialog.menu, NameOrOrdinal::Text(L""));
    EXPECT_EQ(dialog.windowClass, NameOrOrdinal::Text(L""));
}

TEST(AboutDialogTemplate, UsesSongTiAtTenPoints)
{
    DialogTemplate dialog = AboutTemplate();
    EXPECT_EQ(dialog.typeface, L"宋体");
    EXPECT_EQ(dialog.pointSize, 10);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
}

TEST(AboutDialogTemplate, HoldsEveryControlInTemplateOrder)
{
    DialogTemplate dialog = AboutTemplate();
    ASSERT_EQ(dialog.items.size(), std::size(kControls));
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItem& item = dialog.items[i];
        const ExpectedControl& expected = kControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << ", id " << expected.id);
        EXPECT_EQ(item.id, expected.id);
        EXPECT_EQ(item.windowClass, NameOrOrdinal::Ordinal(expected.windowClass));
        EXPECT_EQ(item.title, NameOrOrdinal::Text(expected.text));
        EXPECT_EQ(item.style, expected.style)
            << std::hex << "style 0x" << item.style << ", expected 0x" << expected.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, expected.x);
        EXPECT_EQ(item.y, expected.y);
        EXPECT_EQ(item.cx, expected.cx);
        EXPECT_EQ(item.cy, expected.cy);
    }
}

class AboutDialogWindow : public DialogWindow {
protected:
    static void SetUpTestSuite() { CreateFromTemplate(135); }

    // The rectangle that a control's text takes in the dialog's font, wrapped
    // at the control's width (or kept on one line).
    RECT TextRect(HWND control, UINT wrapping) const
    {
        RECT rect;
        GetClientRect(control, &rect);
        wchar_t text[256] = {};
        GetWindowTextW(control, text, static_cast<int>(std::size(text)));
        HDC dc = GetDC(control);
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(s_dialog, WM_GETFONT, 0, 0)));
        DrawTextW(dc, text, -1, &rect, DT_CALCRECT | DT_NOPREFIX | wrapping);
        SelectObject(dc, oldFont);
        ReleaseDC(control, dc);
        return rect;
    }

    static RECT ClientRect(HWND control)
    {
        RECT rect;
        GetClientRect(control, &rect);
        return rect;
    }
};

TEST_F(AboutDialogWindow, StaysHiddenUntilRun)
{
    EXPECT_FALSE(IsWindowVisible(s_dialog));
}

TEST_F(AboutDialogWindow, AuthorNameFitsOnItsLine)
{
    HWND author = GetDlgItem(s_dialog, 118);
    ASSERT_NE(author, nullptr);
    RECT text = TextRect(author, DT_SINGLELINE);
    EXPECT_LE(text.right, ClientRect(author).right);
    EXPECT_LE(text.bottom, ClientRect(author).bottom);
}

TEST_F(AboutDialogWindow, UsageTermsWrapOntoTwoLinesThatFit)
{
    // The terms are the last control of the template, hence of the z-order.
    HWND terms = GetWindow(GetWindow(s_dialog, GW_CHILD), GW_HWNDLAST);
    ASSERT_NE(terms, nullptr);
    RECT oneLine = TextRect(terms, DT_SINGLELINE);
    RECT wrapped = TextRect(terms, DT_WORDBREAK);
    EXPECT_GT(wrapped.bottom, oneLine.bottom);
    EXPECT_LE(wrapped.bottom, ClientRect(terms).bottom);
    EXPECT_LE(wrapped.right, ClientRect(terms).right);
}

}  // namespace
