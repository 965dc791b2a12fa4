#include "vornui/platform/Clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

TEST(Clipboard, TextGoesInAndComesOutWhileTheClipboardIsOpen) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(memory), "Depth", 6);
    GlobalUnlock(memory);
    EXPECT_NE(SetClipboardData(CF_TEXT, memory), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr); // closed

    ASSERT_TRUE(OpenClipboard(nullptr));
    std::thread other([] { EXPECT_FALSE(OpenClipboard(nullptr)); }); // one owner at a time
    other.join();
    const HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(GlobalSize(data), 6u);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "Depth");
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GlobalLock(data), nullptr); // the clipboard freed its block
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());

    const HGLOBAL unused = GlobalAlloc(GMEM_FIXED, 4);
    EXPECT_EQ(GlobalFree(unused), nullptr);
    EXPECT_FALSE(EmptyClipboard()); // not open
}
