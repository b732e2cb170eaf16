// Dialog data exchange in both directions, on a real dialog.

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "tests/winsupport/DialogTemplateBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const WORD kTextId = 200;
const WORD kListId = 201;
const WORD kCheckId = 202;

DialogTemplateBuilder ExchangeTemplate()
{
    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | DS_MODALFRAME, 200, 120, L"exchange");
    builder.Add(DialogTemplateBuilder::Edit, kTextId, ES_AUTOHSCROLL | WS_TABSTOP, 5, 5, 150, 12)
        .Add(DialogTemplateBuilder::ComboBox, kListId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
             5, 20, 50, 80)
        .Add(DialogTemplateBuilder::Button, kCheckId, BS_AUTOCHECKBOX | WS_TABSTOP, 5, 40, 80, 10,
             L"check");
    return builder;
}

class CountingEdit : public CEdit
{
public:
    int m_nPreSubclassCalls = 0;

protected:
    void PreSubclassWindow() override { ++m_nPreSubclassCalls; }
};

class ExchangeDialog : public CDialog
{
public:
    CountingEdit m_edit;
    std::wstring m_strText;
    int m_nIndex = -1;
    int m_bCheck = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kTextId, m_edit);
        DDX_Text(pDX, kTextId, m_strText);
        DDX_CBIndex(pDX, kListId, m_nIndex);
        DDX_Check(pDX, kCheckId, m_bCheck);
    }
};

class DataExchange : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
        for (const wchar_t* item : {L"0", L"1", L"2"})
            SendMessageW(Control(kListId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }

    HWND Control(int nID) const { return GetDlgItem(m_dialog.m_hWnd, nID); }

    std::wstring ControlText(int nID) const
    {
        wchar_t text[256] = L"";
        GetWindowTextW(Control(nID), text, 256);
        return text;
    }

    LRESULT Send(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(Control(nID), message, wParam, lParam);
    }

    DialogTemplateBuilder m_template = ExchangeTemplate();
    ExchangeDialog m_dialog;
};

TEST_F(DataExchange, InitialisationWritesTheMembersIntoTheControls)
{
    // CreateIndirect ran OnInitDialog with the members' first values.
    EXPECT_EQ(L"", ControlText(kTextId));
    EXPECT_EQ(CB_ERR, Send(kListId, CB_GETCURSEL));
    EXPECT_EQ(BST_UNCHECKED, Send(kCheckId, BM_GETCHECK));
    EXPECT_EQ(&m_dialog.m_edit, CWnd::FromHandlePermanent(Control(kTextId)));
}

TEST_F(DataExchange, TextRoundTrip)
{
    m_dialog.m_strText = L"D:\\图片\\a b.jpg";
    m_dialog.UpdateData(FALSE);
    EXPECT_EQ(L"D:\\图片\\a b.jpg", ControlText(kTextId));

    SetWindowTextW(Control(kTextId), L"typed");
    m_dialog.UpdateData(TRUE);
    EXPECT_EQ(L"typed", m_dialog.m_strText);
}

TEST_F(DataExchange, WritingUnchangedTextKeepsTheSelection)
{
    m_dialog.m_strText = L"abcdef";
    m_dialog.UpdateData(FALSE);
    Send(kTextId, EM_SETSEL, 2, 4);

    m_dialog.UpdateData(FALSE);
    DWORD start = 0, end = 0;
    Send(kTextId, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(2u, start);
    EXPECT_EQ(4u, end);
}

TEST_F(DataExchange, ComboIndexRoundTrip)
{
    m_dialog.m_nIndex = 2;
    m_dialog.UpdateData(FALSE);
    EXPECT_EQ(2, Send(kListId, CB_GETCURSEL));

    Send(kListId, CB_SETCURSEL, 1);
    m_dialog.UpdateData(TRUE);
    EXPECT_EQ(1, m_dialog.m_nIndex);
}

TEST_F(DataExchange, ComboIndexMinusOneClearsTheSelection)
{
    Send(kListId, CB_SETCURSEL, 1);
    m_dialog.m_nIndex = -1;
    m_dialog.UpdateData(FALSE);
    EXPECT_EQ(CB_ERR, Send(kListId, CB_GETCURSEL));

    m_dialog.m_nIndex = 5;
    m_dialog.UpdateData(TRUE);
    EXPECT_EQ(-1, m_dialog.m_nIndex);
}

TEST_F(DataExchange, CheckRoundTrip)
{
    m_dialog.m_bCheck = 1;
    m_dialog.UpdateData(FALSE);
    EXPECT_EQ(BST_CHECKED, Send(kCheckId, BM_GETCHECK));

    Send(kCheckId, BM_SETCHECK, BST_UNCHECKED);
    m_dialog.UpdateData(TRUE);
    EXPECT_EQ(0, m_dialog.m_bCheck);
}

TEST_F(DataExchange, ControlIsAttachedOnlyTheFirstTime)
{
    const LONG_PTR procAfterFirst = GetWindowLongPtrW(Control(kTextId), GWLP_WNDPROC);
    m_dialog.UpdateData(TRUE);
    m_dialog.UpdateData(FALSE);

    EXPECT_EQ(1, m_dialog.m_edit.m_nPreSubclassCalls);
    EXPECT_EQ(procAfterFirst, GetWindowLongPtrW(Control(kTextId), GWLP_WNDPROC));
    EXPECT_EQ(&m_dialog.m_edit, CWnd::FromHandlePermanent(Control(kTextId)));
}

} // namespace
