// The link label's way round a shell that cannot open its target: the
// program registered for ".htm" files, found in the registry, run with the
// target appended; and the English messages when everything fails.

#include "about/LinkLabel.h"
#include "about/AboutDlg.h"
#include "res/resource.h"
#include "tests/about/AboutProbe.h"
#include "tests/about/HtmlOpenerKeys.h"
#include "tests/support/TempDir.h"
#include "tests/winsupport/MessageBoxRecorder.h"

#include <shellapi.h>

#include <gtest/gtest.h>

namespace {

TEST(FallbackCommandLine, QuotedPlaceholderIsCutBeforeItsOpeningQuote)
{
    EXPECT_EQ(L"C:\\Browser\\browse.exe -new  https://example.com/",
              FallbackCommandLine(L"C:\\Browser\\browse.exe -new \"%1\"", L"https://example.com/"));
}

TEST(FallbackCommandLine, UnquotedPlaceholderLosesTheArgumentsAfterIt)
{
    EXPECT_EQ(L"browse.exe  mailto:a@example.com",
              FallbackCommandLine(L"browse.exe %1 -nohome -x", L"mailto:a@example.com"));
}

TEST(FallbackCommandLine, TemplateWithoutPlaceholderGetsTheTargetAppended)
{
    EXPECT_EQ(L"\"C:\\Program Files\\b.exe\" -nohome https://example.com/",
              FallbackCommandLine(L"\"C:\\Program Files\\b.exe\" -nohome", L"https://example.com/"));
}

TEST(FallbackCommandLine, FirstPlaceholderCountsEvenWhenALaterOneIsQuoted)
{
    EXPECT_EQ(L"b.exe  t", FallbackCommandLine(L"b.exe %1 \"%1\"", L"t"));
}

TEST(FallbackCommandLine, LongTemplateAndTargetAreKeptWhole)
{
    const std::wstring program = L"C:\\" + std::wstring(400, L'p') + L".exe";
    const std::wstring target = L"https://example.com/" + std::wstring(700, L'q');
    const std::wstring commandLine = FallbackCommandLine(L"\"" + program + L"\" \"%1\"", target);
    EXPECT_EQ(L"\"" + program + L"\"  " + target, commandLine);
}

TEST(ShellErrorText, KnownCodesKeepTheirExactWording)
{
    EXPECT_EQ(L"There is no application associated\nwith the given filename extension.",
              ShellErrorText(SE_ERR_NOASSOC));
    EXPECT_EQ(L"A sharing violation occurred. ", ShellErrorText(SE_ERR_SHARE));
    EXPECT_EQ(L"The specified file was not found.", ShellErrorText(ERROR_FILE_NOT_FOUND));
}

TEST(ShellErrorText, UnknownCodeNamesItsNumber)
{
    EXPECT_EQ(L"Unknown Error (4) occurred.", ShellErrorText(4));
    EXPECT_EQ(L"Unknown Error (1234) occurred.", ShellErrorText(1234));
}

TEST_F(HtmlOpenerKeys, RegisteredCommandIsReadWhole)
{
    const std::wstring commandTemplate =
        L"\"C:\\" + std::wstring(600, L'x') + L"\\browse.exe\" -nohome \"%1\"";
    RegisterOpener(commandTemplate);
    std::wstring read;
    ASSERT_TRUE(RegisteredHtmlCommand(read));
    EXPECT_EQ(commandTemplate, read);
}

TEST_F(HtmlOpenerKeys, ClassWithoutCommandHasNoOpener)
{
    ClaimHtml();
    std::wstring read;
    EXPECT_FALSE(RegisteredHtmlCommand(read));
}

// The About box with its e-mail link aimed at target.
class FallbackDialog : public HtmlOpenerKeys
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_ABOUT));
        m_label = LinkLabelOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
        ASSERT_NE(nullptr, m_label);
    }

    CAboutDlg m_dialog;
    CLinkLabel* m_label = nullptr;
};

// A file of a type nothing is associated with: the shell answers
// SE_ERR_NOASSOC. The registered opener is then run with the whole command
// line as the file to open, which fails with an error of its own; that error
// is the one reported, so the message tells whether the fallback ran.
TEST_F(FallbackDialog, OpenersErrorReplacesTheShellsError)
{
    TempDir folder;
    const std::wstring target = folder.Write(L"page.quantlens-unassociated", {'x'});
    MessageBoxRecorder recorder;
    m_label->SetLinkTarget(target);

    ClaimHtml();  // an opener class without a command
    ClickStatic(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    RegisterOpener(L"\"" + LinkTargetProgramPath() + L"\" -page \"%1\"");
    ClickStatic(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);

    ASSERT_EQ(2u, recorder.Boxes().size());
    EXPECT_EQ(L"Unable to open hyperlink:\n\n" + ShellErrorText(SE_ERR_NOASSOC), recorder.Boxes()[0].text);
    EXPECT_EQ(L"Unable to open hyperlink:\n\n" + ShellErrorText(ERROR_FILE_NOT_FOUND),
              recorder.Boxes()[1].text);
}

TEST_F(FallbackDialog, FailedOpenBeepsTheFirstErrorInEnglish)
{
    ClaimHtml();  // an opener class without a command
    MessageBoxRecorder recorder;
    m_label->SetLinkTarget(L"quantlens-no-such-file.page");
    ClickStatic(m_dialog.m_hWnd, IDC_ABOUT_EMAIL);
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(L"Unable to open hyperlink:\n\nThe specified file was not found.", recorder.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), recorder.Boxes()[0].type & MB_ICONMASK);
    EXPECT_EQ(RGB(0, 0, 238), ColoursOf(m_dialog.m_hWnd, IDC_ABOUT_EMAIL).text);
}

} // namespace
