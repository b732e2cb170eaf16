// CFileDialog on the system's real chooser: the hook attaches the object, the
// chooser's notifications reach it, and the chosen path comes back.

#include "framework/FileDialog.h"
#include "tests/framework/HostWindow.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>

namespace {

// Types pathToChoose into the chooser once it is ready and presses its OK
// button, or its Cancel button when pathToChoose is empty.
class ScriptedChooser : public CFileDialog
{
public:
    ScriptedChooser(std::wstring pathToChoose, CWnd* pParentWnd)
        : CFileDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                      L"JPEG Files(*.jpg)|*.jpg;*.jpeg|All Files(*.*)|*.*||", pParentWnd),
          m_strPathToChoose(std::move(pathToChoose))
    {
    }

    bool m_bInitDialogAttached = false;
    int m_nInitDoneCalls = 0;
    HWND m_hWndChooser = nullptr;
    bool m_bChooserHasButtons = false;
    BOOL m_bOwnerEnabled = TRUE;

protected:
    BOOL OnInitDialog() override
    {
        m_bInitDialogAttached = CWnd::FromHandlePermanent(m_hWnd) == this;
        return CFileDialog::OnInitDialog();
    }

    void OnInitDone() override
    {
        ++m_nInitDoneCalls;
        CWnd* chooser = GetParent();
        m_hWndChooser = chooser->m_hWnd;
        m_bChooserHasButtons = chooser->GetDlgItem(IDOK) != nullptr;
        m_bOwnerEnabled = IsWindowEnabled(GetWindow(m_hWndChooser, GW_OWNER));
        if (m_strPathToChoose.empty()) {
            chooser->PostMessage(WM_COMMAND, IDCANCEL);
            return;
        }
        chooser->SendMessage(CDM_SETCONTROLTEXT, edt1,
                             reinterpret_cast<LPARAM>(m_strPathToChoose.c_str()));
        chooser->PostMessage(WM_COMMAND, IDOK);
    }

private:
    std::wstring m_strPathToChoose;
};

class FileChooser : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_owner.SubclassWindow(m_ownerWindow.Handle())); }

    TempDir m_dir;
    HostWindow m_ownerWindow{nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE};
    CWnd m_owner;
};

TEST_F(FileChooser, ChosenFileComesBackAsThePathName)
{
    const std::wstring path = m_dir.Write(L"photo.jpg", {0xFF, 0xD8, 0xFF});
    ScriptedChooser chooser(path, &m_owner);

    EXPECT_EQ(IDOK, chooser.DoModal());
    EXPECT_EQ(path, chooser.GetPathName());
}

TEST_F(FileChooser, HookAttachesTheObjectAndPassesOnInitDone)
{
    ScriptedChooser chooser(L"", &m_owner);

    EXPECT_EQ(IDCANCEL, chooser.DoModal());
    EXPECT_TRUE(chooser.m_bInitDialogAttached);
    EXPECT_EQ(1, chooser.m_nInitDoneCalls);
    // The object sits on the hook dialog inside the chooser window, which holds the buttons.
    EXPECT_NE(nullptr, chooser.m_hWndChooser);
    EXPECT_TRUE(chooser.m_bChooserHasButtons);
    // Released when the chooser closed.
    EXPECT_EQ(nullptr, chooser.m_hWnd);
}

TEST_F(FileChooser, OwnerIsDisabledWhileTheChooserRuns)
{
    ScriptedChooser chooser(L"", &m_owner);

    chooser.DoModal();
    EXPECT_FALSE(chooser.m_bOwnerEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_ownerWindow.Handle()));
}

TEST(FileDialogRecord, FilterPiecesAreSeparatedByNulAndEndWithAnEmptyOne)
{
    CFileDialog dialog(TRUE, nullptr, nullptr, 0, L"JPEG Files(*.jpg)|*.jpg;*.jpeg|All Files(*.*)|*.*||");
    const wchar_t expected[] = L"JPEG Files(*.jpg)\0*.jpg;*.jpeg\0All Files(*.*)\0*.*\0";
    ASSERT_NE(nullptr, dialog.m_ofn.lpstrFilter);
    EXPECT_EQ(std::wstring(expected, sizeof expected / sizeof expected[0]),
              std::wstring(dialog.m_ofn.lpstrFilter, sizeof expected / sizeof expected[0]));
    EXPECT_EQ(static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400W), dialog.m_ofn.lStructSize);
    EXPECT_EQ(static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING),
              dialog.m_ofn.Flags & (OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING));
}

TEST(FileDialogRecord, FileNameBufferHoldsTheLongestPathAndStartsWithTheGivenName)
{
    CFileDialog dialog(TRUE, nullptr, L"start.jpg");
    EXPECT_EQ(32768u, dialog.m_ofn.nMaxFile);
    EXPECT_EQ(L"start.jpg", dialog.GetPathName());
}

// A chooser class with run-time class information of its own.
class NamedChooser : public CFileDialog
{
    DECLARE_RUNTIME_CLASS(NamedChooser)
public:
    NamedChooser() : CFileDialog(TRUE) {}
};

IMPLEMENT_RUNTIME_CLASS(NamedChooser, CFileDialog)

TEST(FileDialogRecord, SubclassCarriesRunTimeClassInformationDownFromTheWindowClasses)
{
    NamedChooser chooser;
    EXPECT_STREQ("NamedChooser", chooser.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(chooser.IsKindOf(RUNTIME_CLASS(CFileDialog)));
    EXPECT_TRUE(chooser.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(chooser.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(CDialog().IsKindOf(RUNTIME_CLASS(CFileDialog)));
}

} // namespace
