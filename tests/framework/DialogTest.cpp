// Dialogs: the modal loop of their own, the IDOK/IDCANCEL commands, the owner,
// creation from a resource, and the routing of commands to the application.

#include "framework/DataExchange.h"
#include "framework/Exception.h"
#include "framework/Dialog.h"
#include "tests/framework/HostWindow.h"
#include "tests/framework/TestResources.h"
#include "tests/winsupport/DialogTemplateBuilder.h"
#include "tests/winsupport/MessageBoxRecorder.h"
#include "tests/winsupport/TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const WORD kEditId = 300;
const UINT kProbeMessage = WM_APP + 30;

DialogTemplateBuilder ModalTemplate()
{
    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 160, 70, L"modal");
    builder.Add(DialogTemplateBuilder::Edit, kEditId, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 5, 5, 100, 12)
        .Add(DialogTemplateBuilder::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 50, 40, 14, L"OK")
        .Add(DialogTemplateBuilder::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 50, 50, 40, 14, L"Cancel");
    return builder;
}

// What a modal dialog does at start is set by the test; what it saw is kept.
class ModalDialog : public CDialog
{
public:
    enum class Start { PostProbe, PressEscape, PressEnter, PostIdOk, PostQuit, Throw };

    explicit ModalDialog(Start start) : m_start(start) {}

    std::wstring m_strText;
    HWND m_hWndSeen = nullptr;
    HWND m_hWndOwnerSeen = nullptr;
    BOOL m_bOwnerEnabledSeen = TRUE;
    bool m_bProbeDispatched = false;
    int m_nCancels = 0;
    int m_nOKs = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_hWndSeen = m_hWnd;
        m_hWndOwnerSeen = GetWindow(m_hWnd, GW_OWNER);
        m_bOwnerEnabledSeen = IsWindowEnabled(m_hWndOwnerSeen);
        HWND hWndEdit = ::GetDlgItem(m_hWnd, kEditId);
        switch (m_start) {
        case Start::PostProbe: PostMessage(kProbeMessage); break;
        case Start::PressEscape: ::PostMessageW(hWndEdit, WM_KEYDOWN, VK_ESCAPE, 0); break;
        case Start::PressEnter:
            ::SetWindowTextW(hWndEdit, L"typed before Enter");
            ::PostMessageW(hWndEdit, WM_KEYDOWN, VK_RETURN, 0);
            break;
        case Start::PostIdOk: PostMessage(WM_COMMAND, IDOK, 0); break;
        case Start::PostQuit: PostQuitMessage(5); break;
        case Start::Throw:
            PostMessage(WM_COMMAND, IDCANCEL);  // ends the dialog once its loop runs
            throw new CException;
        }
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->hwnd == m_hWnd && pMsg->message == kProbeMessage) {
            EndDialog(1234);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kEditId, m_strText); }

    void OnOK() override
    {
        ++m_nOKs;
        if (m_start == Start::PostIdOk)
            EndDialog(77);
        else
            CDialog::OnOK();
    }

    void OnCancel() override
    {
        ++m_nCancels;
        CDialog::OnCancel();
    }

    LRESULT OnProbe(WPARAM, LPARAM)
    {
        m_bProbeDispatched = true;
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    Start m_start;
};

BEGIN_MESSAGE_MAP(ModalDialog, CDialog)
    ON_MESSAGE(kProbeMessage, OnProbe)
END_MESSAGE_MAP()

class Modal : public testing::Test
{
protected:
    INT_PTR Run(ModalDialog& dialog, CWnd* pParentWnd = nullptr)
    {
        dialog.InitModalIndirect(m_template.Get(), pParentWnd);
        return dialog.DoModal();
    }

    DialogTemplateBuilder m_template = ModalTemplate();
};

TEST_F(Modal, LoopOffersMessagesToPreTranslateMessage)
{
    ModalDialog dialog(ModalDialog::Start::PostProbe);
    EXPECT_EQ(1234, Run(dialog));
    EXPECT_FALSE(dialog.m_bProbeDispatched);
}

TEST_F(Modal, EscapeRunsOnCancelThroughTheDialogKeyboardInterface)
{
    ModalDialog dialog(ModalDialog::Start::PressEscape);
    EXPECT_EQ(IDCANCEL, Run(dialog));
    EXPECT_EQ(1, dialog.m_nCancels);
}

TEST_F(Modal, EnterRunsOnOKWhichTakesTheControlsIntoTheMembers)
{
    ModalDialog dialog(ModalDialog::Start::PressEnter);
    EXPECT_EQ(IDOK, Run(dialog));
    EXPECT_EQ(1, dialog.m_nOKs);
    EXPECT_EQ(L"typed before Enter", dialog.m_strText);
}

TEST_F(Modal, PostedIdOkWithoutControlReachesTheOverride)
{
    ModalDialog dialog(ModalDialog::Start::PostIdOk);
    EXPECT_EQ(77, Run(dialog));
    EXPECT_EQ(1, dialog.m_nOKs);
}

TEST_F(Modal, WindowIsDestroyedAfterwardsAndTheObjectRunsAgain)
{
    ModalDialog dialog(ModalDialog::Start::PostProbe);
    EXPECT_EQ(1234, Run(dialog));
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_FALSE(IsWindow(dialog.m_hWndSeen));

    EXPECT_EQ(1234, dialog.DoModal());
}

TEST_F(Modal, GivenParentIsTheDisabledOwnerWhileTheDialogRuns)
{
    HostWindow host;
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(host.Handle()));
    ModalDialog dialog(ModalDialog::Start::PostProbe);

    EXPECT_EQ(1234, Run(dialog, &parent));
    EXPECT_EQ(host.Handle(), dialog.m_hWndOwnerSeen);
    EXPECT_FALSE(dialog.m_bOwnerEnabledSeen);
    EXPECT_TRUE(IsWindowEnabled(host.Handle()));
}

TEST_F(Modal, MainWindowIsTheOwnerWhenNoParentIsGiven)
{
    HostWindow host;
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.SubclassWindow(host.Handle()));
    TestApp().m_pMainWnd = &mainWnd;
    ModalDialog dialog(ModalDialog::Start::PostProbe);

    const INT_PTR result = Run(dialog);
    TestApp().m_pMainWnd = nullptr;
    EXPECT_EQ(1234, result);
    EXPECT_EQ(host.Handle(), dialog.m_hWndOwnerSeen);
    EXPECT_FALSE(dialog.m_bOwnerEnabledSeen);
    EXPECT_TRUE(IsWindowEnabled(host.Handle()));
}

TEST_F(Modal, DialogThatIsTheMainWindowHasNoOwner)
{
    ModalDialog dialog(ModalDialog::Start::PostProbe);
    TestApp().m_pMainWnd = &dialog;
    const INT_PTR result = Run(dialog);
    TestApp().m_pMainWnd = nullptr;
    EXPECT_EQ(1234, result);
    EXPECT_EQ(nullptr, dialog.m_hWndOwnerSeen);
}

TEST_F(Modal, QuitMessageEndsTheLoopAndIsPassedOn)
{
    ModalDialog dialog(ModalDialog::Start::PostQuit);
    EXPECT_EQ(-1, Run(dialog));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
}

TEST_F(Modal, ExceptionFromOnInitDialogIsReportedAndTheDialogStillRuns)
{
    MessageBoxRecorder recorder;
    ModalDialog dialog(ModalDialog::Start::Throw);
    EXPECT_EQ(IDCANCEL, Run(dialog));
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), recorder.Boxes()[0].type);
    EXPECT_EQ(1, dialog.m_nCancels);
}

TEST(Dialog, CommandTheDialogDoesNotHandleGoesToTheApplication)
{
    DialogTemplateBuilder dialogTemplate = ModalTemplate();
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    const int before = TestApp().m_nAppCommands;

    dialog.SendMessage(WM_COMMAND, kAppCommand);
    EXPECT_EQ(before + 1, TestApp().m_nAppCommands);
}

TEST(Dialog, ModelessDialogFromAResourceTemplate)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FRAMEWORK_TEST));
    EXPECT_NE(nullptr, dialog.GetDlgItem(IDC_FRAMEWORK_TEST_EDIT));
    std::wstring caption;
    dialog.GetWindowText(caption);
    EXPECT_EQ(L"资源对话框", caption);
}

TEST(Dialog, MissingTemplateMakesDoModalFail)
{
    CDialog dialog(9999);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

} // namespace
