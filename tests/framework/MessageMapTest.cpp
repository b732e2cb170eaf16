// Message maps: lookup along the chain of base tables, the typed crackers,
// and the fall-through to the window's previous procedure.

#include "framework/Wnd.h"
#include "tests/framework/HostWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kFirst = WM_APP + 1;   // handled by base and derived
const UINT kSecond = WM_APP + 2;  // handled by the base only
const UINT kThird = WM_APP + 3;   // handled by neither
const UINT kDefault = WM_APP + 4; // the derived handler passes it on with Default()

class BaseProbe : public CWnd
{
public:
    std::vector<std::string> m_calls;

protected:
    LRESULT OnFirst(WPARAM, LPARAM)
    {
        m_calls.push_back("base first");
        return 11;
    }
    LRESULT OnSecond(WPARAM wParam, LPARAM lParam)
    {
        m_calls.push_back("base second");
        return static_cast<LRESULT>(wParam) * 100 + lParam;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseProbe, CWnd)
    ON_MESSAGE(kFirst, OnFirst)
    ON_MESSAGE(kSecond, OnSecond)
END_MESSAGE_MAP()

class DerivedProbe : public BaseProbe
{
protected:
    LRESULT OnFirst(WPARAM, LPARAM)
    {
        m_calls.push_back("derived first");
        return 21;
    }
    LRESULT OnDefault(WPARAM, LPARAM)
    {
        m_calls.push_back("derived default");
        return Default() + 1;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbe, BaseProbe)
    ON_MESSAGE(kFirst, OnFirst)
    ON_MESSAGE(kDefault, OnDefault)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntryWinsOverTheBaseEntry)
{
    HostWindow host;
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(21, probe.SendMessage(kFirst));
    EXPECT_EQ(std::vector<std::string>{"derived first"}, probe.m_calls);
}

TEST(MessageMap, BaseTableHandlesWhatTheDerivedTableLacks)
{
    HostWindow host;
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(305, probe.SendMessage(kSecond, 3, 5));
    EXPECT_EQ(std::vector<std::string>{"base second"}, probe.m_calls);
}

TEST(MessageMap, UnhandledMessageReachesThePreviousProcedure)
{
    HostWindow host;
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(HostWindow::HostAnswer(3), probe.SendMessage(kThird));
    EXPECT_TRUE(probe.m_calls.empty());
}

TEST(MessageMap, DefaultPassesTheCurrentMessageToThePreviousProcedure)
{
    HostWindow host;
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(HostWindow::HostAnswer(4) + 1, probe.SendMessage(kDefault));
}

// Records what each typed handler was given.
class CrackerProbe : public CWnd
{
public:
    UINT m_nChar = 0, m_nRepCnt = 0, m_nKeyFlags = 0;
    UINT m_nMouseFlags = 0;
    POINT m_point = {};
    CWnd* m_pCursorWnd = nullptr;
    UINT m_nHitTest = 0, m_nMouseMessage = 0;
    HDROP m_hDrop = nullptr;
    bool m_bDestroyed = false;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_nChar = nChar;
        m_nRepCnt = nRepCnt;
        m_nKeyFlags = nFlags;
    }
    void OnMouseMove(UINT nFlags, POINT point)
    {
        m_nMouseFlags = nFlags;
        m_point = point;
    }
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        m_pCursorWnd = pWnd;
        m_nHitTest = nHitTest;
        m_nMouseMessage = message;
        return 7;
    }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(0x1234); }
    void OnDropFiles(HDROP hDropInfo) { m_hDrop = hDropInfo; }
    void OnDestroy()
    {
        m_bDestroyed = true;
        CWnd::OnDestroy();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CrackerProbe, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_QUERYDRAGICON()
    ON_WM_DROPFILES()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(MessageMap, KeyDownIsUnpackedIntoKeyRepeatCountAndFlags)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    probe.SendMessage(WM_KEYDOWN, 'V', MAKELPARAM(3, 0x402F));
    EXPECT_EQ(static_cast<UINT>('V'), probe.m_nChar);
    EXPECT_EQ(3u, probe.m_nRepCnt);
    EXPECT_EQ(0x402Fu, probe.m_nKeyFlags);
}

TEST(MessageMap, MouseMoveKeepsNegativeCoordinates)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    probe.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 40));
    EXPECT_EQ(static_cast<UINT>(MK_LBUTTON), probe.m_nMouseFlags);
    EXPECT_EQ(-5, probe.m_point.x);
    EXPECT_EQ(40, probe.m_point.y);
}

TEST(MessageMap, SetCursorGivesWindowHitTestAndMouseMessage)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    const LRESULT result = probe.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Handle()),
                                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(7, result);
    EXPECT_EQ(&probe, probe.m_pCursorWnd);
    EXPECT_EQ(static_cast<UINT>(HTCLIENT), probe.m_nHitTest);
    EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), probe.m_nMouseMessage);
}

TEST(MessageMap, QueryDragIconReturnsTheHandlersCursor)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    EXPECT_EQ(0x1234, probe.SendMessage(WM_QUERYDRAGICON));
}

TEST(MessageMap, DropFilesGivesTheDropHandle)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    probe.SendMessage(WM_DROPFILES, 0x4321);
    EXPECT_EQ(reinterpret_cast<HDROP>(0x4321), probe.m_hDrop);
}

TEST(MessageMap, DestroyReachesOnDestroy)
{
    HostWindow host;
    CrackerProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(host.Handle()));

    probe.DestroyWindow();
    EXPECT_TRUE(probe.m_bDestroyed);
}

} // namespace
