// Reflection: a control's WM_COMMAND notification and its WM_CTLCOLOR* request
// go first to the control's own object; what it does not handle goes to the
// parent's map.

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "tests/winsupport/DialogTemplateBuilder.h"

#include <gtest/gtest.h>

namespace {

const WORD kButtonId = 100;
const WORD kLabelId = 101;

DialogTemplateBuilder ReflectionTemplate()
{
    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | DS_MODALFRAME, 120, 60, L"reflection");
    builder.Add(DialogTemplateBuilder::Button, kButtonId, BS_PUSHBUTTON | WS_TABSTOP, 5, 5, 50, 14, L"button")
        .Add(DialogTemplateBuilder::Static, kLabelId, SS_LEFT | SS_NOTIFY, 5, 25, 50, 10, L"label");
    return builder;
}

// A control that handles its own click and colours when told to.
class ReflectingControl : public CStatic
{
public:
    bool m_bHandleColors = true;
    int m_nClicks = 0;
    UINT m_nCtlColor = 0xFFFF;
    HBRUSH m_hBrush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));

protected:
    void OnClicked() { ++m_nClicks; }
    HBRUSH CtlColor(HDC, UINT nCtlColor)
    {
        m_nCtlColor = nCtlColor;
        return m_bHandleColors ? m_hBrush : nullptr;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingControl, CStatic)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A control without reflected entries.
class PlainControl : public CWnd
{
};

class ReflectionDialog : public CDialog
{
public:
    int m_nButtonClicks = 0;
    int m_nLabelClicks = 0;
    CWnd* m_pColorWnd = nullptr;
    UINT m_nCtlColor = 0xFFFF;
    HBRUSH m_hBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));

protected:
    void OnButtonClicked() { ++m_nButtonClicks; }
    void OnLabelClicked() { ++m_nLabelClicks; }
    HBRUSH OnCtlColor(HDC, CWnd* pWnd, UINT nCtlColor)
    {
        m_pColorWnd = pWnd;
        m_nCtlColor = nCtlColor;
        return m_hBrush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectionDialog, CDialog)
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
    ON_BN_CLICKED(kLabelId, OnLabelClicked)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class Reflection : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get())); }

    LRESULT SendCtlColor(UINT message, HWND hWndControl)
    {
        HDC hDC = GetDC(hWndControl);
        const LRESULT result = m_dialog.SendMessage(message, reinterpret_cast<WPARAM>(hDC),
                                                    reinterpret_cast<LPARAM>(hWndControl));
        ReleaseDC(hWndControl, hDC);
        return result;
    }

    DialogTemplateBuilder m_template = ReflectionTemplate();
    ReflectionDialog m_dialog;
};

TEST_F(Reflection, ClickHandledByTheControlDoesNotReachTheParent)
{
    ReflectingControl button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, &m_dialog));

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.m_nClicks);
    EXPECT_EQ(0, m_dialog.m_nButtonClicks);
}

TEST_F(Reflection, ClickOfAControlWithoutReflectedEntryReachesTheParent)
{
    PlainControl button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, &m_dialog));

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_dialog.m_nButtonClicks);
}

TEST_F(Reflection, ClickOfAnUnattachedControlReachesTheParent)
{
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kLabelId, STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(m_dialog.m_hWnd, kLabelId)));
    EXPECT_EQ(1, m_dialog.m_nLabelClicks);
}

TEST_F(Reflection, ControlChoosesItsOwnColours)
{
    ReflectingControl label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_dialog));

    const LRESULT brush = SendCtlColor(WM_CTLCOLORSTATIC, label.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.m_hBrush), brush);
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), label.m_nCtlColor);
    EXPECT_EQ(nullptr, m_dialog.m_pColorWnd);
}

TEST_F(Reflection, NullBrushFromTheControlLeavesTheColoursToTheParent)
{
    ReflectingControl label;
    label.m_bHandleColors = false;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_dialog));

    const LRESULT brush = SendCtlColor(WM_CTLCOLORSTATIC, label.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(m_dialog.m_hBrush), brush);
    EXPECT_EQ(&label, m_dialog.m_pColorWnd);
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), m_dialog.m_nCtlColor);
}

TEST_F(Reflection, EveryCtlColorMessageArrivesAsOneHandlerWithItsKind)
{
    HWND hWndButton = GetDlgItem(m_dialog.m_hWnd, kButtonId);
    SendCtlColor(WM_CTLCOLORBTN, hWndButton);
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_BTN), m_dialog.m_nCtlColor);
    ASSERT_NE(nullptr, m_dialog.m_pColorWnd);
    EXPECT_EQ(hWndButton, m_dialog.m_pColorWnd->m_hWnd);

    SendCtlColor(WM_CTLCOLOREDIT, hWndButton);
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_EDIT), m_dialog.m_nCtlColor);
}

} // namespace
