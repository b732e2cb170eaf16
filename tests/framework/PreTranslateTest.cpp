// PreTranslateMessage is offered from the message's window up through its
// parents, up to the window the message loop belongs to.

#include "framework/Wnd.h"
#include "tests/framework/HostWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<HWND> g_offeredTo;

class PreTranslateProbe : public CWnd
{
public:
    BOOL m_bConsume = FALSE;

    BOOL PreTranslateMessage(MSG*) override
    {
        g_offeredTo.push_back(m_hWnd);
        return m_bConsume;
    }
};

class PreTranslateWalk : public testing::Test
{
protected:
    void SetUp() override
    {
        g_offeredTo.clear();
        ASSERT_TRUE(m_topObject.SubclassWindow(m_top.Handle()));
        ASSERT_TRUE(m_childObject.SubclassWindow(m_child.Handle()));
        m_msg.hwnd = m_grandchild.Handle();
        m_msg.message = WM_KEYDOWN;
    }

    HostWindow m_top;
    HostWindow m_child{m_top.Handle(), WS_CHILD};
    HostWindow m_grandchild{m_child.Handle(), WS_CHILD};
    PreTranslateProbe m_topObject;
    PreTranslateProbe m_childObject;
    MSG m_msg = {};
};

TEST_F(PreTranslateWalk, GoesFromTheMessagesWindowUpToTheTop)
{
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_top.Handle(), &m_msg));
    EXPECT_EQ((std::vector<HWND>{m_child.Handle(), m_top.Handle()}), g_offeredTo);
}

TEST_F(PreTranslateWalk, StopsAtTheGivenWindow)
{
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_child.Handle(), &m_msg));
    EXPECT_EQ(std::vector<HWND>{m_child.Handle()}, g_offeredTo);
}

TEST_F(PreTranslateWalk, EndsWhereAWindowConsumesTheMessage)
{
    m_childObject.m_bConsume = TRUE;
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(m_top.Handle(), &m_msg));
    EXPECT_EQ(std::vector<HWND>{m_child.Handle()}, g_offeredTo);
}

} // namespace
