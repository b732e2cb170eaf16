// Attaching objects to windows: the handle map, subclassing and its undoing,
// and the release of the window at WM_NCDESTROY.

#include "framework/Wnd.h"
#include "tests/framework/HostWindow.h"

#include <gtest/gtest.h>

namespace {

LONG_PTR WindowProcOf(HWND hWnd)
{
    return GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
}

// Remembers what PreSubclassWindow saw.
class AttachProbe : public CWnd
{
public:
    int m_nPreSubclassCalls = 0;
    HWND m_hWndSeen = nullptr;
    LONG_PTR m_procSeen = 0;

protected:
    void PreSubclassWindow() override
    {
        ++m_nPreSubclassCalls;
        m_hWndSeen = m_hWnd;
        m_procSeen = WindowProcOf(m_hWnd);
    }
};

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_beneathForeign = nullptr;

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_beneathForeign, hWnd, message, wParam, lParam);
}

TEST(Subclass, PreSubclassWindowSeesTheHandleBeforeTheProcedureChanges)
{
    HostWindow host;
    AttachProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(1, probe.m_nPreSubclassCalls);
    EXPECT_EQ(host.Handle(), probe.m_hWndSeen);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(HostWindow::ClassProc()), probe.m_procSeen);
    EXPECT_NE(reinterpret_cast<LONG_PTR>(HostWindow::ClassProc()), WindowProcOf(host.Handle()));
}

TEST(Subclass, FromHandlePermanentFindsOnlyAttachedObjects)
{
    HostWindow host;
    AttachProbe probe;
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(host.Handle()));
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(host.Handle()));
    EXPECT_EQ(&probe, CWnd::FromHandle(host.Handle()));
}

TEST(Subclass, FromHandleWrapsAnUnattachedWindowInOneTemporaryObject)
{
    HostWindow host;
    CWnd* temporary = CWnd::FromHandle(host.Handle());
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(host.Handle(), temporary->m_hWnd);
    EXPECT_EQ(temporary, CWnd::FromHandle(host.Handle()));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(host.Handle()));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(Subclass, WindowTakesOnlyOneObjectAndObjectOnlyOneWindow)
{
    HostWindow first;
    HostWindow second;
    AttachProbe probe;
    AttachProbe other;
    ASSERT_TRUE(probe.SubclassWindow(first.Handle()));

    EXPECT_FALSE(other.SubclassWindow(first.Handle()));
    EXPECT_FALSE(probe.SubclassWindow(second.Handle()));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(first.Handle()));
}

TEST(Subclass, UnsubclassRestoresTheOldProcedureAndFreesTheObject)
{
    HostWindow first;
    HostWindow second;
    AttachProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(first.Handle()));

    EXPECT_EQ(first.Handle(), probe.UnsubclassWindow());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(HostWindow::ClassProc()), WindowProcOf(first.Handle()));
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(first.Handle()));

    EXPECT_TRUE(probe.SubclassWindow(second.Handle()));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(second.Handle()));
}

TEST(Subclass, UnsubclassRefusesWhenAnotherProcedureSitsOverOurs)
{
    HostWindow host;
    AttachProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));
    g_beneathForeign = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));

    EXPECT_EQ(nullptr, probe.UnsubclassWindow());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&ForeignProc), WindowProcOf(host.Handle()));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(host.Handle()));
    // Messages still pass through the object to the class procedure.
    EXPECT_EQ(HostWindow::HostAnswer(9), SendMessageW(host.Handle(), WM_APP + 9, 0, 0));
}

TEST(Subclass, DestroyingTheWindowReleasesTheObjectForANewWindow)
{
    HostWindow first;
    HostWindow second;
    AttachProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(first.Handle()));
    const HWND hWndFirst = first.Handle();

    ASSERT_TRUE(DestroyWindow(hWndFirst));
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndFirst));

    EXPECT_TRUE(probe.SubclassWindow(second.Handle()));
    EXPECT_EQ(2, probe.m_nPreSubclassCalls);
}

TEST(Subclass, DestroyingTheObjectDestroysItsWindow)
{
    HostWindow host;
    HWND hWnd = host.Handle();
    {
        AttachProbe probe;
        ASSERT_TRUE(probe.SubclassWindow(hWnd));
    }
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST(Subclass, SubclassDlgItemAttachesTheChildWithThatId)
{
    HostWindow parent;
    HostWindow child(parent.Handle(), WS_CHILD, {0, 0, 20, 20}, 42);
    CWnd parentWnd;
    ASSERT_TRUE(parentWnd.SubclassWindow(parent.Handle()));
    AttachProbe probe;

    EXPECT_FALSE(probe.SubclassDlgItem(43, &parentWnd));
    ASSERT_TRUE(probe.SubclassDlgItem(42, &parentWnd));
    EXPECT_EQ(child.Handle(), probe.m_hWnd);
    EXPECT_EQ(42, probe.GetDlgCtrlID());
    EXPECT_EQ(&parentWnd, probe.GetParent());
}

} // namespace
