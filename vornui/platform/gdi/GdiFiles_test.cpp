#include "tests/PngFile.h"
#include "tests/ShellCommand.h"
#include "tests/TempDir.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/CImage.h"
#include "vornui/platform/Clipboard.h"
#include "vornui/platform/GlobalMemory.h"
#include "vornui/platform/LastError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

// A picture with known pixels: white, a red block at the top left, a blue one at the
// bottom right.
HBITMAP TestPicture(int width, int height) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    HGDIOBJ old = dc.SelectObject(static_cast<HGDIOBJ>(bitmap));
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    dc.FillSolidRect(0, 0, 4, 3, RGB(255, 0, 0));
    dc.FillSolidRect(width - 5, height - 2, 5, 2, RGB(0, 0, 255));
    dc.SelectObject(old);
    return bitmap;
}

} // namespace

TEST(ImageFiles, PngReadsBackPixelForPixel) {
    TempDir dir;
    CImage image;
    image.Attach(TestPicture(23, 9));
    const std::string path = dir.file("picture.png");
    ASSERT_EQ(image.Save(path.c_str()), S_OK);
    PngPicture picture;
    ASSERT_TRUE(picture.read(path));
    EXPECT_EQ(picture.width, 23);
    EXPECT_EQ(picture.height, 9);
    EXPECT_EQ(picture.color(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(picture.color(3, 2), RGB(255, 0, 0));
    EXPECT_EQ(picture.color(4, 2), RGB(255, 255, 255));
    EXPECT_EQ(picture.color(22, 8), RGB(0, 0, 255));
    EXPECT_EQ(image.Save(dir.file("missing/picture.png").c_str()), E_FAIL);
}

TEST(ImageFiles, BmpIsReadByImageMagick) {
    TempDir dir;
    CImage image;
    image.Attach(TestPicture(23, 9));
    const std::string path = dir.file("picture.bmp");
    ASSERT_EQ(image.Save(path.c_str()), S_OK);
    // ImageMagick names the format of a 40-byte header "BMP" or "BMP3".
    EXPECT_THAT(RunCommand("identify -format '%m %w %h' '" + path + "'"),
                ::testing::MatchesRegex("BMP3? 23 9"));
    EXPECT_EQ(RunCommand("identify -format '%[pixel:p{1,1}] %[pixel:p{22,8}] %[pixel:p{10,5}]' '" +
                         path + "'"),
              "srgb(255,0,0) srgb(0,0,255) srgb(255,255,255)");
}

TEST(Clipboard, TextTravelsInGlobalMemory) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "depth", 6);
    EXPECT_FALSE(GlobalUnlock(text));
    EXPECT_EQ(SetClipboardData(CF_TEXT, text), text);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr); // not open

    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL held = GetClipboardData(CF_TEXT);
    ASSERT_NE(held, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(held)), "depth");
    GlobalUnlock(held);
    EXPECT_EQ(GlobalSize(held), 6u);
    EXPECT_EQ(EnumClipboardFormats(0), static_cast<UINT>(CF_TEXT));
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), 0u);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GlobalSize(held), 0u); // freed with the clipboard's contents
    EXPECT_TRUE(CloseClipboard());
}

TEST(Clipboard, OwnsTheBitmapsItIsGiven) {
    HBITMAP bitmap = TestPicture(5, 5);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, bitmap);
    CloseClipboard();

    // Another thread cannot open it while this one has it open.
    ASSERT_TRUE(OpenClipboard(nullptr));
    BOOL otherThread = TRUE;
    std::thread([&] { otherThread = OpenClipboard(nullptr); }).join();
    EXPECT_FALSE(otherThread);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), bitmap);
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EmptyClipboard();
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(CountClipboardFormats(), 0);
    CloseClipboard();
}

TEST(GlobalMemory, LocksCountAndBadHandlesFail) {
    HGLOBAL block = GlobalAlloc(GHND, 10);
    auto* bytes = static_cast<BYTE*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[9], 0);
    GlobalLock(block);
    EXPECT_TRUE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalReAlloc(block, 100, GMEM_MOVEABLE), block);
    EXPECT_EQ(GlobalSize(block), 100u);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GlobalLock(block), nullptr);
}
