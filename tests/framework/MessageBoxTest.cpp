// The framework's message box and its handling of exceptions thrown by
// message handlers.

#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "tests/framework/HostWindow.h"
#include "tests/winsupport/MessageBoxRecorder.h"
#include "tests/winsupport/TestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(AfxMessageBox, CaptionIsTheExecutablesNameWithoutFolderAndExtension)
{
    MessageBoxRecorder recorder;
    AfxMessageBox(L"text");
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(L"framework_tests", recorder.Boxes()[0].caption);
    EXPECT_EQ(L"text", recorder.Boxes()[0].text);
}

TEST(AfxMessageBox, PlainBoxGetsTheExclamationIcon)
{
    MessageBoxRecorder recorder;
    AfxMessageBox(L"plain");
    AfxMessageBox(L"question", MB_YESNO);
    ASSERT_EQ(2u, recorder.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), recorder.Boxes()[0].type);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), recorder.Boxes()[1].type);
}

TEST(AfxMessageBox, IconAskedForIsKept)
{
    MessageBoxRecorder recorder;
    AfxMessageBox(L"stop", MB_OK | MB_ICONSTOP);
    AfxMessageBox(L"info", MB_ICONINFORMATION);
    ASSERT_EQ(2u, recorder.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), recorder.Boxes()[0].type);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), recorder.Boxes()[1].type);
}

TEST(AfxMessageBox, OwnerIsTheMainWindow)
{
    HostWindow host;
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.SubclassWindow(host.Handle()));
    TestApp().m_pMainWnd = &mainWnd;
    MessageBoxRecorder recorder;

    AfxMessageBox(L"owned");
    TestApp().m_pMainWnd = nullptr;
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(host.Handle(), recorder.Boxes()[0].hWndOwner);
}

TEST(AfxMessageBox, NoMainWindowMeansNoOwner)
{
    MessageBoxRecorder recorder;
    AfxMessageBox(L"unowned");
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(nullptr, recorder.Boxes()[0].hWndOwner);
}

bool g_exceptionDeleted = false;

class ProbeException : public CException
{
public:
    ~ProbeException() override { g_exceptionDeleted = true; }
    bool GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned*) const override
    {
        CopyMessage(L"Bogus marker 0xD8", buffer, maxChars);
        return true;
    }
};

const UINT kThrowCommand = 0x7F10;
const UINT kThrowMessage = WM_APP + 20;

class ThrowingWindow : public CWnd
{
protected:
    void OnThrowCommand() { throw new ProbeException; }
    LRESULT OnThrowMessage(WPARAM, LPARAM) { throw new ProbeException; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWindow, CWnd)
    ON_COMMAND(kThrowCommand, OnThrowCommand)
    ON_MESSAGE(kThrowMessage, OnThrowMessage)
END_MESSAGE_MAP()

class HandlerException : public testing::Test
{
protected:
    void SetUp() override
    {
        g_exceptionDeleted = false;
        ASSERT_TRUE(m_window.SubclassWindow(m_host.Handle()));
    }

    HostWindow m_host;
    ThrowingWindow m_window;
    MessageBoxRecorder m_recorder;
};

TEST_F(HandlerException, CommandHandlersExceptionIsShownWithTheStopIconAndDeleted)
{
    m_window.SendMessage(WM_COMMAND, kThrowCommand);

    ASSERT_EQ(1u, m_recorder.Boxes().size());
    EXPECT_EQ(L"Bogus marker 0xD8", m_recorder.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), m_recorder.Boxes()[0].type);
    EXPECT_EQ(L"framework_tests", m_recorder.Boxes()[0].caption);
    EXPECT_TRUE(g_exceptionDeleted);
}

TEST_F(HandlerException, DispatchedMessageSurvivesAThrowingHandler)
{
    ASSERT_TRUE(m_window.PostMessage(kThrowMessage));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, m_host.Handle(), kThrowMessage, kThrowMessage, PM_REMOVE));
    EXPECT_EQ(0, DispatchMessageW(&msg));

    ASSERT_EQ(1u, m_recorder.Boxes().size());
    EXPECT_TRUE(g_exceptionDeleted);
    // The window still works.
    EXPECT_EQ(HostWindow::HostAnswer(3), m_window.SendMessage(WM_APP + 3));
}

} // namespace
