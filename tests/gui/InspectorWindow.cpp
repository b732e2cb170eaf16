#include "tests/gui/InspectorWindow.h"

#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

const COLORREF kNotSet = RGB(1, 2, 3);

// The executable's name without folder and extension: the program's caption.
std::wstring ExecutableTitle()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

} // namespace

void InspectorWindow::SetUp()
{
    if (m_bOpenInSetUp)
        Open();
}

void InspectorWindow::Open()
{
    AfxGetApp()->m_pMainWnd = &m_dlg;
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    PumpMessages();
}

void InspectorWindow::TearDown()
{
    if (m_dlg.m_hWnd)
        m_dlg.DestroyWindow();
    PumpMessages();
    AfxGetApp()->m_pMainWnd = nullptr;
}

std::wstring InspectorWindow::Text(int nID) const
{
    std::wstring text(GetWindowTextLengthW(Item(nID)) + 1, L'\0');
    text.resize(GetWindowTextW(Item(nID), &text[0], static_cast<int>(text.size())));
    return text;
}

int InspectorWindow::Selection(int nID) const
{
    return static_cast<int>(SendMessageW(Item(nID), CB_GETCURSEL, 0, 0));
}

bool InspectorWindow::BaselineChecked() const
{
    return SendMessageW(Item(IDC_BASELINE), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring InspectorWindow::WriteFile(const std::wstring& name,
                                        const std::vector<unsigned char>& bytes) const
{
    return m_dir.Write(name, bytes);
}

void InspectorWindow::Start(const std::wstring& path)
{
    SetWindowTextW(Item(IDC_PATH), path.c_str());
    PostCommand(IDOK, BN_CLICKED, Item(IDOK));
}

void InspectorWindow::PostCommand(int nID, int nCode, HWND hWndCtl)
{
    PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndCtl));
    PumpMessages();
}

void InspectorWindow::ChooseQuality(int nListID, int quality)
{
    SendMessageW(Item(nListID), CB_SETCURSEL, quality, 0);
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(nListID, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(nListID)));
    PumpMessages();
}

void InspectorWindow::ExpectOneBox(const std::wstring& text, UINT icon) const
{
    ASSERT_EQ(Boxes().size(), 1u);
    const RecordedMessageBox& box = Boxes()[0];
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, ExecutableTitle());
    EXPECT_EQ(box.type & MB_ICONMASK, icon);
    EXPECT_EQ(box.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(box.hWndOwner, Dialog());
}

COLORREF InspectorWindow::QualityTextColour() const
{
    HDC hDC = CreateCompatibleDC(nullptr);
    SetTextColor(hDC, kNotSet);
    SendMessageW(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                 reinterpret_cast<LPARAM>(Item(IDC_QUALITY)));
    const COLORREF colour = GetTextColor(hDC);
    DeleteDC(hDC);
    return colour;
}
