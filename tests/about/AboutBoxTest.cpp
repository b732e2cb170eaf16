// The About box: its template's texts, its two links and its inert icon, and
// its modal run from the main dialog's About icon.

#include "about/AboutDlg.h"
#include "about/HelpIcon.h"
#include "res/AboutInfo.h"
#include "res/resource.h"
#include "tests/about/AboutProbe.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(hWnd, text, 256);
    return text;
}

class AboutBox : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_ABOUT)); }
    HWND Item(int nID) const { return GetDlgItem(m_dialog.m_hWnd, nID); }

    CAboutDlg m_dialog;
};

TEST_F(AboutBox, CaptionAndCentredVersionLine)
{
    EXPECT_EQ(L"关于 Quantlens", WindowText(m_dialog.m_hWnd));
    EXPECT_EQ(L"Quantlens Version 1.00", WindowText(Item(IDC_ABOUT_VERSION)));
    EXPECT_EQ(static_cast<DWORD>(SS_CENTER), GetWindowLongW(Item(IDC_ABOUT_VERSION), GWL_STYLE) & SS_TYPEMASK);
    // Position and size are mapped each on its own, as the dialog manager does.
    RECT line = {7, 7, 219, 8};
    MapDialogRect(m_dialog.m_hWnd, &line);
    const RECT actual = RectInParent(Item(IDC_ABOUT_VERSION));
    EXPECT_EQ(line.left, actual.left);
    EXPECT_EQ(line.right, actual.right - actual.left);
}

TEST_F(AboutBox, TwoLinksShowTheirTargetsAsTooltips)
{
    EXPECT_NE(nullptr, LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL));
    EXPECT_NE(nullptr, LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_HOMEPAGE));
    EXPECT_EQ(nullptr, LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_AUTHOR));

    EXPECT_EQ(L"mailto:" ABOUT_EMAIL, ToolTipText(Item(IDC_ABOUT_EMAIL), kLinkToolId));
    EXPECT_EQ(L"" ABOUT_EMAIL, WindowText(Item(IDC_ABOUT_EMAIL)));
    EXPECT_EQ(L"" ABOUT_HOMEPAGE_URL, ToolTipText(Item(IDC_ABOUT_HOMEPAGE), kLinkToolId));
    EXPECT_EQ(L"" ABOUT_HOMEPAGE_TITLE, WindowText(Item(IDC_ABOUT_HOMEPAGE)));
}

TEST_F(AboutBox, LinksTakeTheirTextsWidthAtTheTemplatesCorner)
{
    RECT email = {67, 30, 112, 8};  // left, top, width, height
    MapDialogRect(m_dialog.m_hWnd, &email);
    const RECT actual = RectInParent(Item(IDC_ABOUT_EMAIL));
    EXPECT_EQ(email.left, actual.left);
    EXPECT_EQ(email.top, actual.top);
    EXPECT_EQ(TextExtentOf(Item(IDC_ABOUT_EMAIL)).cx, actual.right - actual.left);
    EXPECT_LT(actual.right - actual.left, email.right);
}

TEST_F(AboutBox, LogoIsAnInert48PixelIcon)
{
    HWND logo = Item(IDC_ABOUT_LOGO);
    RECT rect;
    GetClientRect(logo, &rect);
    EXPECT_EQ(48, rect.right);
    EXPECT_EQ(48, rect.bottom);
    EXPECT_EQ(0, SendMessageW(logo, WM_SETCURSOR, reinterpret_cast<WPARAM>(logo),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    SendMessageW(logo, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_NE(logo, GetCapture());
}

// What the probe saw in each modal run of the About box.
struct ModalRun
{
    std::wstring caption;
    COLORREF emailColour;
    COLORREF homePageColour;
    COLORREF emailColourAfterOpening;
};
std::vector<ModalRun> g_runs;

// Runs inside the About box's modal loop: notes what the box shows, opens
// the e-mail link (aimed at a program that ends at once), and closes the box.
void CALLBACK ProbeModalAbout(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    HWND about = FindWindowW(nullptr, L"关于 Quantlens");
    if (about == nullptr)
        return;
    ModalRun run = {WindowText(about), ColoursOf(about, IDC_ABOUT_EMAIL).text,
                    ColoursOf(about, IDC_ABOUT_HOMEPAGE).text, 0};
    if (CLinkLabel* email = LinkLabelOf(about, IDC_ABOUT_EMAIL)) {
        email->SetLinkTarget(LinkTargetProgramPath());
        ClickStatic(about, IDC_ABOUT_EMAIL);
        run.emailColourAfterOpening = ColoursOf(about, IDC_ABOUT_EMAIL).text;
    }
    g_runs.push_back(run);
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(about, IDOK)));
}

// The main dialog's template with its About icon attached as the program does.
class AboutIcon : public testing::Test
{
protected:
    void SetUp() override
    {
        g_runs.clear();
        ASSERT_TRUE(m_main.Create(IDD_MAIN));
        ASSERT_TRUE(m_icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main));
    }

    void ClickIcon()
    {
        SetTimer(nullptr, 0, 100, &ProbeModalAbout);
        ClickStatic(m_main.m_hWnd, IDC_ABOUT_ICON);
    }

    CDialog m_main{IDD_MAIN};
    CHelpIcon m_icon;
};

TEST_F(AboutIcon, ClickRunsTheAboutBoxModally)
{
    ClickIcon();
    ASSERT_EQ(1u, g_runs.size());
    EXPECT_EQ(L"关于 Quantlens", g_runs[0].caption);
    EXPECT_EQ(RGB(85, 26, 139), g_runs[0].emailColourAfterOpening);
    EXPECT_EQ(nullptr, FindWindowW(nullptr, L"关于 Quantlens"));
}

TEST_F(AboutIcon, SecondOpeningShowsBothLinksUnvisited)
{
    ClickIcon();
    ClickIcon();
    ASSERT_EQ(2u, g_runs.size());
    EXPECT_EQ(RGB(85, 26, 139), g_runs[0].emailColourAfterOpening);
    EXPECT_EQ(RGB(0, 0, 238), g_runs[1].emailColour);
    EXPECT_EQ(RGB(0, 0, 238), g_runs[1].homePageColour);
}

} // namespace
