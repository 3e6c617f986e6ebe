// The utility window under Wine: a real window whose messages reach the handler.
#include "support/UtilityWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kPing = WM_USER + 1;

std::string ClassNameOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

LRESULT CALLBACK ImpostorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return msg == kPing ? 99 : DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

TEST(UtilityWindow, IsAHiddenToolWindowOfItsOwnClass)
{
    UniqueUtilityWindow window(CreateUtilityWindow([](TMessage&) {}));
    ASSERT_TRUE(window);
    EXPECT_EQ(ClassNameOf(window.Get()), "TPUtilWindow");
    EXPECT_TRUE(GetWindowLongPtrA(window.Get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(window.Get(), GWL_STYLE) & WS_POPUP);
    EXPECT_FALSE(IsWindowVisible(window.Get()));
    EXPECT_EQ(GetParent(window.Get()), nullptr);
    EXPECT_EQ(GetWindowTextLengthA(window.Get()), 0);
    RECT bounds{};
    GetWindowRect(window.Get(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);
}

TEST(UtilityWindow, RoutesSentAndPostedMessagesToTheHandler)
{
    std::vector<TMessage> received;
    UniqueUtilityWindow window(CreateUtilityWindow([&](TMessage& message) {
        if (message.Msg != kPing) return;
        received.push_back(message);
        message.Result = static_cast<LRESULT>(message.WParam + message.LParam);
    }));
    ASSERT_TRUE(window);

    EXPECT_EQ(SendMessageA(window.Get(), kPing, 40, 2), 42);
    ASSERT_TRUE(PostMessageA(window.Get(), kPing, 7, 8));
    MSG msg;
    while (PeekMessageA(&msg, window.Get(), 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].WParam, 40u);
    EXPECT_EQ(received[0].LParam, 2);
    EXPECT_EQ(received[1].WParam, 7u);
    EXPECT_EQ(received[1].LParam, 8);
}

TEST(UtilityWindow, EachWindowHasItsOwnHandler)
{
    UniqueUtilityWindow first(CreateUtilityWindow([](TMessage& m) { m.Result = 1; }));
    UniqueUtilityWindow second(CreateUtilityWindow([](TMessage& m) { m.Result = 2; }));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.Get(), second.Get());
    EXPECT_EQ(SendMessageA(first.Get(), kPing, 0, 0), 1);
    EXPECT_EQ(SendMessageA(second.Get(), kPing, 0, 0), 2);
}

TEST(UtilityWindow, DestroyEndsTheWindowAfterTheHandlerSawItGo)
{
    bool destroyed = false;
    bool finalMessage = false;
    const HWND window = CreateUtilityWindow([&](TMessage& message) {
        if (message.Msg == WM_DESTROY) destroyed = true;
        if (message.Msg == WM_NCDESTROY) finalMessage = true;
    });
    ASSERT_NE(window, nullptr);
    DestroyUtilityWindow(window);
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(finalMessage);
    EXPECT_FALSE(IsWindow(window));
}

TEST(UtilityWindow, ReplacesAClassOfThatNameWithAnotherProcedure)
{
    UnregisterClassA("TPUtilWindow", GetModuleHandleA(nullptr));
    WNDCLASSA impostor{};
    impostor.lpfnWndProc = ImpostorProc;
    impostor.hInstance = GetModuleHandleA(nullptr);
    impostor.lpszClassName = "TPUtilWindow";
    ASSERT_NE(RegisterClassA(&impostor), 0);

    UniqueUtilityWindow window(CreateUtilityWindow([](TMessage& m) { m.Result = 5; }));
    ASSERT_TRUE(window);
    WNDCLASSA registered{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TPUtilWindow", &registered));
    EXPECT_EQ(registered.lpfnWndProc, &DefWindowProcA);
    EXPECT_EQ(SendMessageA(window.Get(), kPing, 0, 0), 5);
}

TEST(UtilityWindow, AnErrorInTheHandlerDoesNotLeaveTheWindowProcedure)
{
    UniqueUtilityWindow window(CreateUtilityWindow([](TMessage& m) {
        if (m.Msg == kPing) throw std::runtime_error("handler failed");
    }));
    ASSERT_TRUE(window);
    EXPECT_EQ(SendMessageA(window.Get(), kPing, 1, 1), 0);
    EXPECT_TRUE(IsWindow(window.Get()));
}
