#include "vornui/platform/CDC.h"
#include "vornui/platform/CImage.h"
#include "vornui/platform/WindowDC.h"

#include <gtest/gtest.h>

#include <vector>

TEST(GdiWrappers, TemporaryWrappersStandForHandlesNobodyOwns) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CGdiObject* stock = dc.SelectStockObject(BLACK_PEN);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    CPen* current = dc.GetCurrentPen();
    EXPECT_EQ(current->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(GetStockObject(BLACK_PEN))), current);

    CPen owned(PS_SOLID, 2, RGB(1, 2, 3));
    CPen* previous = dc.SelectObject(&owned);
    EXPECT_EQ(dc.GetCurrentPen(), &owned); // the owner, not a temporary
    dc.SelectObject(previous);
    EXPECT_EQ(CDC::FromHandle(dc.GetSafeHdc()), &dc);

    HDC other = CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(other);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->GetSafeHdc(), other);
    EXPECT_TRUE(DeleteDC(other)); // the temporary wrapper never deletes it
}

TEST(GdiWrappers, PointFontsFollowTheResolution) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Segoe UI"));
    LOGFONT log{};
    font.GetLogFont(&log);
    EXPECT_EQ(log.lfHeight, -12); // 9 points at 96 dpi
    EXPECT_STREQ(log.lfFaceName, "Segoe UI");
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old = dc.SelectObject(&font);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 12);
    LOGFONT bold = log;
    bold.lfWeight = FW_BOLD;
    CFont heavy;
    heavy.CreateFontIndirect(&bold);
    const int normalWidth = dc.GetTextExtent("Survey").cx;
    dc.SelectObject(&heavy);
    EXPECT_GT(dc.GetTextExtent("Survey").cx, normalWidth);
    dc.SelectObject(old);
}

TEST(GdiWrappers, ThePaletteOfAPaletteDisplay) {
    CDC screen;
    screen.Attach(GetDC(nullptr));
    EXPECT_FALSE(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(GetSystemPaletteEntries(screen, 0, 0, nullptr), 0u);
    SetDisplayBitsPerPixel(8);
    EXPECT_TRUE(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(screen.GetDeviceCaps(SIZEPALETTE), 256);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), 8);
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = 255;
    EXPECT_EQ(GetSystemPaletteEntries(screen, 0, 255, log->palPalEntry), 255u);
    EXPECT_EQ(log->palPalEntry[0].peRed, 0); // black first, white last
    EXPECT_EQ(log->palPalEntry[7].peRed, 192);
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(log));
    EXPECT_EQ(palette.GetEntryCount(), 255);
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(190, 190, 190)), 7u);
    CPalette* old = screen.SelectPalette(&palette, FALSE);
    EXPECT_EQ(screen.RealizePalette(), 255u);
    screen.SelectPalette(old, FALSE);
    // A bitmap compatible with the screen has its depth.
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 3, 3);
    BITMAP description{};
    bitmap.GetBitmap(&description);
    EXPECT_EQ(description.bmBitsPixel, 8);
    SetDisplayBitsPerPixel(32);
    ReleaseDC(nullptr, screen.Detach());
}

TEST(GdiWrappers, DeviceIndependentBlocksGoInAndOut) {
    // A 2 × 2 eight-bit block, bottom-up: red, green on the bottom row; blue, white on top.
    std::vector<BYTE> storage(sizeof(BITMAPINFOHEADER) + 4 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(storage.data());
    info->bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 0, 0, 4, 0};
    info->bmiColors[0] = {0, 0, 255, 0};
    reinterpret_cast<RGBQUAD*>(info->bmiColors)[1] = {0, 255, 0, 0};
    reinterpret_cast<RGBQUAD*>(info->bmiColors)[2] = {255, 0, 0, 0};
    reinterpret_cast<RGBQUAD*>(info->bmiColors)[3] = {255, 255, 255, 0};
    const BYTE bits[] = {0, 1, 0, 0, 2, 3, 0, 0};
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(SetDIBits(dc, bitmap, 0, 2, bits, info, DIB_RGB_COLORS), 2);
    CBitmap* old = dc.SelectObject(&bitmap);
    EXPECT_EQ(dc.GetPixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 0), RGB(255, 255, 255));
    dc.FillSolidRect(0, 0, 2, 2, RGB(0, 0, 0));
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 255, 0));
    dc.SelectObject(old);

    CImage image;
    image.Attach(static_cast<HBITMAP>(bitmap.Detach()));
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 2);
    image.Destroy();
    EXPECT_TRUE(image.IsNull());
}

TEST(GdiWrappers, TheScreenDcMeasuresButPaintsNothing) {
    CClientDC screen(nullptr);
    screen.SelectStockObject(DEFAULT_GUI_FONT);
    EXPECT_GT(screen.GetTextExtent("Depth").cx, 0);
    screen.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
    EXPECT_EQ(screen.GetPixel(1, 1), CLR_INVALID);
    EXPECT_EQ(screen.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(screen.GetDeviceCaps(HORZRES), 1920);
    screen.SelectStockObject(SYSTEM_FONT);
}
