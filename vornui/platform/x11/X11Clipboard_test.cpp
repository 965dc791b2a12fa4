#include "tests/PngFile.h"
#include "tests/TempDir.h"
#include "tests/x11/X11DisplayFixture.h"
#include "tests/x11/XOtherProgram.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <future>

namespace {

class X11Clipboard : public X11DisplayFixture {
protected:
    // What the other program reads of the clipboard as `target`, while this thread's loop
    // answers it.
    std::optional<std::string> ReadElsewhere(const std::string& target, std::string& type) {
        XOtherProgram other(m_server->display());
        auto answer =
            std::async(std::launch::async, [&] { return other.ReadClipboard(target, type); });
        PumpUntil(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return answer.get();
    }
};

void PutOnClipboard(UINT format, HANDLE data) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_NE(SetClipboardData(format, data), nullptr);
    ASSERT_TRUE(CloseClipboard());
}

HANDLE TextBlock(const char* text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(block), text, std::strlen(text) + 1);
    GlobalUnlock(block);
    return const_cast<HANDLE>(block);
}

// A picture of 3 x 2 pixels, each of its own colour.
constexpr COLORREF kPixels[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                    {RGB(1, 2, 3), RGB(250, 240, 230), RGB(0, 0, 0)}};

HBITMAP Picture() {
    const HDC screen = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(3, 2, 1, 32, nullptr);
    const HGDIOBJ previous = SelectObject(screen, bitmap);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            SetPixel(screen, x, y, kPixels[y][x]);
    SelectObject(screen, previous);
    DeleteDC(screen);
    return bitmap;
}

} // namespace

TEST_F(X11Clipboard, OtherProgramsTakeTheTextAndThePictureThisOneCopied) {
    // "Depth 17.5°" with the degree sign of code page 1252 and the euro sign outside Latin-1.
    PutOnClipboard(CF_TEXT, TextBlock("Depth 17.5\xB0 \x80"));
    std::string type;
    EXPECT_EQ(ReadElsewhere("TARGETS", type),
              "TARGETS\nUTF8_STRING\ntext/plain;charset=utf-8\nSTRING\nTEXT\n");
    EXPECT_EQ(type, "ATOM");
    EXPECT_EQ(ReadElsewhere("UTF8_STRING", type), "Depth 17.5\xC2\xB0 \xE2\x82\xAC");
    EXPECT_EQ(type, "UTF8_STRING");
    EXPECT_EQ(ReadElsewhere("TEXT", type), "Depth 17.5\xC2\xB0 \xE2\x82\xAC");
    EXPECT_EQ(type, "UTF8_STRING");
    EXPECT_EQ(ReadElsewhere("STRING", type), "Depth 17.5\xB0 ?");
    EXPECT_EQ(type, "STRING");
    EXPECT_EQ(ReadElsewhere("image/png", type), std::nullopt); // no picture was copied

    PutOnClipboard(CF_BITMAP, Picture());
    EXPECT_EQ(ReadElsewhere("TARGETS", type), "TARGETS\nimage/png\n");
    const std::optional<std::string> png = ReadElsewhere("image/png", type);
    ASSERT_TRUE(png);
    EXPECT_EQ(type, "image/png");
    TempDir folder;
    const std::string path = (folder.path() / "clipboard.png").string();
    std::ofstream(path, std::ios::binary) << *png;
    PngPicture picture;
    ASSERT_TRUE(picture.read(path));
    ASSERT_EQ(picture.width, 3);
    ASSERT_EQ(picture.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(picture.color(x, y), kPixels[y][x]) << x << "," << y;
    EXPECT_EQ(ReadElsewhere("UTF8_STRING", type), std::nullopt); // the text went with it
}

TEST_F(X11Clipboard, TextAnotherProgramCopiedIsPastedHere) {
    PutOnClipboard(CF_TEXT, TextBlock("ours"));
    XOtherProgram other(m_server->display());
    other.OwnClipboard("KP 12+345 \xC2\xB0 \xE2\x82\xAC \xE2\x88\x9A"); // °, € and a root sign
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "KP 12+345 \xB0 \x80 ?");
    GlobalUnlock(data);
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(X11Clipboard, ALargeTextComesInIncrementsAndAProgramThatHangsIsNotWaitedForLong) {
    std::string large;
    for (int line = 0; large.size() < 300000; ++line)
        large += "KP " + std::to_string(line) + " depth 17.5 m\n";
    {
        XOtherProgram other(m_server->display());
        other.OwnClipboard(large, 65536);
        ASSERT_TRUE(OpenClipboard(nullptr));
        const HANDLE data = GetClipboardData(CF_TEXT);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(GlobalSize(data), large.size() + 1);
        EXPECT_EQ(static_cast<const char*>(GlobalLock(data)), large);
        GlobalUnlock(data);
        EXPECT_TRUE(CloseClipboard());
    }

    XOtherProgram hanging(m_server->display());
    hanging.OwnClipboardSilently();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_TRUE(CloseClipboard());
}
