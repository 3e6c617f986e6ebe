#include "support/Hooks.h"

#include <gtest/gtest.h>

namespace {

int messagesSeen = 0;

LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) ++messagesSeen;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PassKeys(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Posts a message to this thread and takes it off the queue.
void PumpOneMessage()
{
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

TEST(Hooks, NestedUsersShareOneMessageHook)
{
    HHOOK handle = nullptr;
    int count = 0;
    AcquireMessageHook(handle, count, CountMessages);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(count, 1);
    const HHOOK first = handle;

    AcquireMessageHook(handle, count, CountMessages);
    EXPECT_EQ(handle, first);
    EXPECT_EQ(count, 2);

    messagesSeen = 0;
    PumpOneMessage();
    EXPECT_EQ(messagesSeen, 1) << "one hook, called once";

    ReleaseHook(handle, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(handle, first);
    messagesSeen = 0;
    PumpOneMessage();
    EXPECT_EQ(messagesSeen, 1) << "still installed for the remaining user";

    ReleaseHook(handle, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(handle, nullptr);
    messagesSeen = 0;
    PumpOneMessage();
    EXPECT_EQ(messagesSeen, 0) << "removed with the last user";
}

TEST(Hooks, KeyboardHookCountsTheSameWay)
{
    HHOOK handle = nullptr;
    int count = 0;
    AcquireKeyboardHook(handle, count, PassKeys);
    ASSERT_NE(handle, nullptr);
    AcquireKeyboardHook(handle, count, PassKeys);
    EXPECT_EQ(count, 2);
    ReleaseHook(handle, count);
    EXPECT_NE(handle, nullptr);
    ReleaseHook(handle, count);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(count, 0);
}

TEST(Hooks, ReleasingWithoutAUseChangesNothing)
{
    HHOOK handle = nullptr;
    int count = 0;
    ReleaseHook(handle, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(handle, nullptr);
}
