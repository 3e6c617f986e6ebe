#include "support/WindowPlacementWin.h"

#include <gtest/gtest.h>

#include "support/WindowPlacement.h"

namespace {

HWND MakeWindow(HWND owner, int x, int y, int width, int height)
{
    return CreateWindowExA(0, "STATIC", "placement", WS_POPUP, x, y, width, height, owner, nullptr, nullptr, nullptr);
}

RECT WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace

TEST(PlaceOverOwner, MovesTheWindowOverItsOwnerKeepingItsSize)
{
    RECT area;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    HWND owner = MakeWindow(nullptr, area.left + 10, area.top + 20, 400, 300);
    HWND window = MakeWindow(owner, area.left, area.top, 100, 60);
    ASSERT_NE(owner, nullptr);
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(PlaceOverOwner(window, 3));
    const RECT placed = WindowRect(window);
    EXPECT_EQ(placed.left, area.left + 10 + (400 - 100) / 2);
    EXPECT_EQ(placed.top, area.top + 20 + (300 - 60) / 4);
    EXPECT_EQ(placed.right - placed.left, 100);
    EXPECT_EQ(placed.bottom - placed.top, 60);

    // An owner partly off the work area: the window stays inside.
    SetWindowPos(owner, nullptr, area.right - 50, area.bottom - 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(PlaceOverOwner(window, 3));
    const RECT inside = WindowRect(window);
    EXPECT_EQ(inside.right, area.right);
    EXPECT_EQ(inside.bottom, area.bottom);

    DestroyWindow(window);
    DestroyWindow(owner);
}

TEST(PlaceOverOwner, AWindowWithoutOwnerStaysWhereItIs)
{
    HWND window = MakeWindow(nullptr, 30, 40, 100, 60);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(PlaceOverOwner(window, 3));
    EXPECT_EQ(WindowRect(window).left, 30);
    EXPECT_EQ(WindowRect(window).top, 40);
    DestroyWindow(window);
}
