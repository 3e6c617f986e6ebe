#include "support/Clipboard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

namespace {

// The clipboard's CF_TEXT, or none when it holds no text.
std::optional<std::string> ClipboardText()
{
    if (!OpenClipboard(nullptr)) return std::string("<cannot open>");
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

TEST(CopyTextToClipboard, PutsTheTextOnTheClipboardInPlaceOfWhatWasThere)
{
    const std::string texts[] = {"C:\\Temp\\a.pas", "second, longer text\r\nwith two lines", "", "x"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(CopyTextToClipboard(text, CF_TEXT));
        EXPECT_EQ(ClipboardText(), text);
    }
}

TEST(CopyTextToClipboard, FailsAndChangesNothingWhileAnotherWindowHoldsTheClipboard)
{
    ASSERT_TRUE(CopyTextToClipboard("before", CF_TEXT));

    std::atomic<int> stage{0};
    std::thread holder([&] {
        HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool opened = OpenClipboard(window) != FALSE;
        stage = opened ? 1 : -1;
        while (stage == 1) Sleep(5);
        if (opened) CloseClipboard();
        DestroyWindow(window);
    });
    while (stage == 0) Sleep(5);
    ASSERT_EQ(stage, 1);
    EXPECT_FALSE(CopyTextToClipboard("during", CF_TEXT));
    stage = 2;
    holder.join();

    EXPECT_EQ(ClipboardText(), "before");
}
