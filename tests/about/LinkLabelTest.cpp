// The link label on real windows: its colours in each state, its tooltip,
// its hover capture and its fitting to the text.

#include "about/AboutDlg.h"
#include "about/LinkLabel.h"
#include "res/resource.h"
#include "tests/about/AboutProbe.h"
#include "tests/winsupport/DialogTemplateBuilder.h"
#include "tests/winsupport/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The About box, created modelessly, for the e-mail link inside it.
class AboutLink : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_ABOUT));
        m_hLabel = GetDlgItem(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    }

    COLORREF TextColour() const { return ColoursOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL).text; }
    void MoveMouse(int x, int y) const { SendMessageW(m_hLabel, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    CAboutDlg m_dialog;
    HWND m_hLabel = nullptr;
};

TEST_F(AboutLink, FreshLabelDrawsTransparentlyInTheLinkColour)
{
    const StaticColours colours = ColoursOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    EXPECT_EQ(RGB(0, 0, 238), colours.text);
    EXPECT_EQ(TRANSPARENT, colours.backgroundMode);
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), colours.brush);
}

TEST_F(AboutLink, PlainStaticKeepsTheDialogsColours)
{
    EXPECT_NE(RGB(0, 0, 238), ColoursOf(m_dialog.m_hWnd, IDC_ABOUT_AUTHOR).text);
    EXPECT_NE(GetStockObject(HOLLOW_BRUSH), ColoursOf(m_dialog.m_hWnd, IDC_ABOUT_AUTHOR).brush);
}

TEST_F(AboutLink, HoverTakesTheCaptureAndTheHighlightColour)
{
    MoveMouse(1, 1);
    EXPECT_EQ(m_hLabel, GetCapture());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), TextColour());
    MoveMouse(2, 2);
    EXPECT_EQ(m_hLabel, GetCapture());
    MoveMouse(-5, -5);
    EXPECT_NE(m_hLabel, GetCapture());
    EXPECT_EQ(RGB(0, 0, 238), TextColour());
}

TEST_F(AboutLink, SuccessfulOpenTurnsTheLinkVisitedUntilAFailure)
{
    MessageBoxRecorder recorder;
    LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL)->SetLinkTarget(LinkTargetProgramPath());
    ClickStatic(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    EXPECT_TRUE(recorder.Boxes().empty());
    EXPECT_EQ(RGB(85, 26, 139), TextColour());
    MoveMouse(1, 1);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), TextColour());
    MoveMouse(-5, -5);
    EXPECT_EQ(RGB(85, 26, 139), TextColour());
}

TEST_F(AboutLink, ClickKeepsTheHoverCapture)
{
    MoveMouse(1, 1);
    LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL)->SetLinkTarget(LinkTargetProgramPath());
    ClickStatic(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    EXPECT_EQ(m_hLabel, GetCapture());
    MoveMouse(-5, -5);
}

TEST_F(AboutLink, NewTargetReplacesTheTooltipText)
{
    LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL)->SetLinkTarget(L"mailto:other@example.org");
    EXPECT_EQ(L"mailto:other@example.org", ToolTipText(m_hLabel, kLinkToolId));
}

TEST_F(AboutLink, FontIsAnUnderlinedCopyOfTheDialogFont)
{
    LOGFONTW label = {}, dialog = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(m_hLabel, WM_GETFONT, 0, 0)), sizeof label, &label);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(m_dialog.m_hWnd, WM_GETFONT, 0, 0)), sizeof dialog, &dialog);
    EXPECT_TRUE(label.lfUnderline);
    EXPECT_EQ(dialog.lfHeight, label.lfHeight);
    EXPECT_STREQ(dialog.lfFaceName, label.lfFaceName);
}

// A dialog in memory with one static text of 112 x 8 (or 20) dialog units
// that a link label is attached to.
class FittedLabel : public testing::Test
{
protected:
    static const WORD kLabelId = 300;

    void Attach(DWORD alignment, short height = 8, const wchar_t* text = L"Link text")
    {
        DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION, 200, 60, L"Fit");
        builder.Add(DialogTemplateBuilder::Static, kLabelId, alignment, 20, 10, 112, height, text);
        ASSERT_TRUE(m_dialog.CreateIndirect(builder.Get()));
        m_hLabel = GetDlgItem(m_dialog.m_hWnd, kLabelId);
        m_before = RectInParent(m_hLabel);
        ASSERT_TRUE(m_label.SubclassDlgItem(kLabelId, &m_dialog));
        m_after = RectInParent(m_hLabel);
        m_text = TextExtentOf(m_hLabel);
    }

    CDialog m_dialog;
    CLinkLabel m_label;
    HWND m_hLabel = nullptr;
    RECT m_before = {}, m_after = {};
    SIZE m_text = {};
};

TEST_F(FittedLabel, LeftLabelKeepsItsTopLeftAndTakesTheTextsSize)
{
    Attach(SS_LEFT);
    ASSERT_LT(m_text.cx, m_before.right - m_before.left);
    EXPECT_EQ(m_before.left, m_after.left);
    EXPECT_EQ(m_before.top, m_after.top);
    EXPECT_EQ(m_text.cx, m_after.right - m_after.left);
    EXPECT_EQ(m_text.cy, m_after.bottom - m_after.top);
}

TEST_F(FittedLabel, RightLabelKeepsItsRightEdge)
{
    Attach(SS_RIGHT);
    EXPECT_EQ(m_before.right, m_after.right);
    EXPECT_EQ(m_before.top, m_after.top);
    EXPECT_EQ(m_text.cx, m_after.right - m_after.left);
}

TEST_F(FittedLabel, CentredLabelKeepsItsCentre)
{
    Attach(SS_CENTER);
    EXPECT_LE(std::abs((m_before.left + m_before.right) - (m_after.left + m_after.right)), 1);
    EXPECT_LE(std::abs(m_text.cx - (m_after.right - m_after.left)), 1);
}

TEST_F(FittedLabel, CentreImageLabelKeepsItsVerticalCentre)
{
    Attach(SS_LEFT | SS_CENTERIMAGE, 20);
    ASSERT_LT(m_text.cy, m_before.bottom - m_before.top);
    EXPECT_LE(std::abs((m_before.top + m_before.bottom) - (m_after.top + m_after.bottom)), 1);
    EXPECT_LE(std::abs(m_text.cy - (m_after.bottom - m_after.top)), 1);
}

TEST_F(FittedLabel, EmptyTextShowsTheTargetSetBeforeAttaching)
{
    m_label.SetLinkTarget(L"https://example.net/");
    Attach(SS_LEFT, 8, L"");
    wchar_t text[64] = {};
    GetWindowTextW(m_hLabel, text, 64);
    EXPECT_STREQ(L"https://example.net/", text);
    EXPECT_EQ(L"https://example.net/", ToolTipText(m_hLabel, kLinkToolId));
}

TEST_F(FittedLabel, TextIsTheTargetWhenNoneIsSet)
{
    Attach(SS_LEFT);
    EXPECT_EQ(L"Link text", ToolTipText(m_hLabel, kLinkToolId));
}

} // namespace
