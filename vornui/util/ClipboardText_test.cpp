#include "tests/TestWindowClass.h"

#include "vornui/platform/Clipboard.h"
#include "vornui/platform/Window.h"
#include "vornui/util/ClipboardText.h"

#include <gtest/gtest.h>

TEST(ClipboardText, PlainTextGoesOnTheClipboardAndComesBack) {
    CString text;
    ASSERT_TRUE(SetClipboard("KP 12+345\tdepth 17.5 m"));
    EXPECT_TRUE(GetClipboard(text));
    EXPECT_EQ(text, CString("KP 12+345\tdepth 17.5 m"));
    // Closed on every path: another window can open it now.
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    const std::string long_(10000, 'z');
    ASSERT_TRUE(SetClipboard(long_.c_str()));
    EXPECT_TRUE(GetClipboard(text));
    EXPECT_EQ(text.str(), long_);

    // Empty text: placed, but reading it says there is nothing.
    ASSERT_TRUE(SetClipboard(""));
    text = "old";
    EXPECT_FALSE(GetClipboard(text));
    EXPECT_TRUE(text.IsEmpty());

    // No text at all on the clipboard.
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(CloseClipboard());
    EXPECT_FALSE(GetClipboard(text));
}

TEST(ClipboardText, WhileAnotherWindowHoldsTheClipboardNothingChanges) {
    ASSERT_TRUE(SetClipboard("kept"));
    const HWND holder = CreateWindowEx(0, TestWindowClass("ClipboardHolder"), "", WS_POPUP, 0, 0,
                                       10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(holder, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    CString text = "stale";
    EXPECT_FALSE(SetClipboard("replaced"));
    EXPECT_FALSE(GetClipboard(text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(GetOpenClipboardWindow(), holder); // still the holder's
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(GetClipboard(text));
    EXPECT_EQ(text, CString("kept"));
    DestroyWindow(holder);
}
