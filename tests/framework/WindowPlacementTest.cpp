// CenterWindow for owned pop-ups and for child windows.

#include "framework/Wnd.h"
#include "tests/framework/HostWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST(CenterWindow, PopupIsCentredOverItsOwner)
{
    HostWindow owner(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 80, 500, 380});
    HostWindow popup(owner.Handle(), WS_POPUP, {0, 0, 200, 100});
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(popup.Handle()));

    wnd.CenterWindow();
    RECT ownerRect, popupRect;
    GetWindowRect(owner.Handle(), &ownerRect);
    wnd.GetWindowRect(&popupRect);
    EXPECT_LE(std::abs(Centre(ownerRect).x - Centre(popupRect).x), 1);
    EXPECT_LE(std::abs(Centre(ownerRect).y - Centre(popupRect).y), 1);
    EXPECT_EQ(200, popupRect.right - popupRect.left);
    EXPECT_EQ(100, popupRect.bottom - popupRect.top);
}

TEST(CenterWindow, ChildIsCentredInItsParentsClientArea)
{
    HostWindow parent(nullptr, WS_POPUP | WS_VISIBLE, {50, 50, 450, 350});
    HostWindow child(parent.Handle(), WS_CHILD | WS_VISIBLE, {0, 0, 50, 20});
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(child.Handle()));

    wnd.CenterWindow();
    RECT rect;
    wnd.GetWindowRect(&rect);
    wnd.GetParent()->ScreenToClient(&rect);
    EXPECT_EQ(175, rect.left);
    EXPECT_EQ(140, rect.top);
}

} // namespace
