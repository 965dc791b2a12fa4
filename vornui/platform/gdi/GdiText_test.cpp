#include "vornui/platform/CDC.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class TextCanvas : public ::testing::Test {
protected:
    void SetUp() override {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(200, 80, 1, 32, nullptr);
        oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 200, 80, kWhite);
        font.CreateStockObject(DEFAULT_GUI_FONT);
        oldFont = dc.SelectObject(static_cast<HGDIOBJ>(font.m_hObject));
        dc.SetBkMode(TRANSPARENT);
    }
    void TearDown() override {
        dc.SelectObject(oldFont);
        dc.SelectObject(oldBitmap);
    }
    // The box around every pixel that is not white, or an empty rectangle.
    CRect inkBox() const {
        CRect box(1000, 1000, -1, -1);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 200; ++x)
                if (const_cast<CDC&>(dc).GetPixel(x, y) != kWhite) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box.right < 0 ? CRect() : box;
    }
    void clear() { dc.FillSolidRect(0, 0, 200, 80, kWhite); }

    CDC dc;
    CBitmap bitmap;
    CGdiObject font;
    CBitmap* oldBitmap = nullptr;
    HGDIOBJ oldFont = nullptr;
};

} // namespace

TEST_F(TextCanvas, TheDialogFontHasConsistentMetrics) {
    TEXTMETRIC tm{};
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11); // the 8-point dialog font at 96 dpi
    EXPECT_GT(tm.tmAveCharWidth, 3);
    EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH); // variable pitch, as the bit says

    const CSize wide = dc.GetTextExtent("WWWW");
    const CSize narrow = dc.GetTextExtent("iiii");
    EXPECT_GT(wide.cx, narrow.cx);
    EXPECT_EQ(wide.cy, tm.tmHeight);
    EXPECT_EQ(dc.GetTextExtent("ab").cx, dc.GetTextExtent("a").cx + dc.GetTextExtent("b").cx);
    CString face;
    dc.GetTextFace(face);
    EXPECT_EQ(face, "DejaVu Sans");
    // The degree sign of code page 1252 has a glyph of its own.
    EXPECT_GT(dc.GetTextExtent("\xB0").cx, 0);
}

TEST_F(TextCanvas, TextOutDrawsInTheCellFromItsReferencePoint) {
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(10, 20, "TIDE");
    const CRect ink = inkBox();
    const CSize extent = dc.GetTextExtent("TIDE");
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    EXPECT_GE(ink.left, 9); // a glyph may overhang its cell by a pixel
    EXPECT_LE(ink.right, 10 + extent.cx + 1);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 20 + tm.tmAscent); // capitals stand on the baseline
    EXPECT_GT(ink.Width(), extent.cx / 2);

    clear();
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(100, 40, "TIDE");
    const CRect right = inkBox();
    EXPECT_LE(right.right, 100);
    EXPECT_GE(right.left, 100 - extent.cx - 1);
    EXPECT_LE(right.top, 40);
    dc.SetTextAlign(TA_LEFT | TA_TOP);

    clear();
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 255, 0));
    dc.TextOut(0, 0, "TIDE");
    EXPECT_EQ(dc.GetPixel(0, tm.tmHeight - 1), RGB(0, 255, 0));
    EXPECT_EQ(dc.GetPixel(extent.cx, 0), kWhite);
}

TEST_F(TextCanvas, DrawTextAlignsCentresAndMeasures) {
    CRect rect(0, 0, 200, 40);
    const CSize extent = dc.GetTextExtent("Tide");
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(dc.DrawText("Tide", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER),
              (40 - tm.tmHeight) / 2 + tm.tmHeight);
    const CRect centred = inkBox();
    EXPECT_NEAR((centred.left + centred.right) / 2, 100, 2);
    EXPECT_GE(centred.top, (40 - tm.tmHeight) / 2);
    EXPECT_LE(centred.bottom, (40 + tm.tmHeight) / 2 + 1);

    CRect calc(5, 5, 5, 5);
    EXPECT_EQ(dc.DrawText("Tide", -1, &calc, DT_SINGLELINE | DT_CALCRECT), tm.tmHeight);
    EXPECT_EQ(calc, CRect(5, 5, 5 + extent.cx, 5 + tm.tmHeight));

    // "&File" underlines the F and measures without the ampersand.
    CRect prefixed(0, 0, 200, 40);
    dc.DrawText("&File", -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefixed.Width(), dc.GetTextExtent("File").cx);
    prefixed.SetRect(0, 0, 200, 40);
    dc.DrawText("&&", -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefixed.Width(), dc.GetTextExtent("&").cx);
}

TEST_F(TextCanvas, DrawTextBreaksWordsAndLines) {
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    const int wordWidth = dc.GetTextExtent("sounding").cx;
    CRect rect(0, 0, wordWidth + 2, 0);
    const int height =
        dc.DrawText("sounding sounding sounding", -1, &rect, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 3 * tm.tmHeight);
    EXPECT_EQ(rect.bottom, 3 * tm.tmHeight);
    EXPECT_EQ(rect.Width(), wordWidth);

    // A word wider than the line is not cut; an edit control cuts it.
    CRect narrow(0, 0, 10, 0);
    EXPECT_EQ(dc.DrawText("sounding", -1, &narrow, DT_WORDBREAK | DT_CALCRECT), tm.tmHeight);
    EXPECT_EQ(narrow.Width(), wordWidth);
    narrow.SetRect(0, 0, wordWidth / 2, 0);
    EXPECT_GT(dc.DrawText("sounding", -1, &narrow, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT),
              tm.tmHeight);

    CRect lines(0, 0, 200, 0);
    EXPECT_EQ(dc.DrawText("a\r\nb\nc\rd", -1, &lines, DT_CALCRECT), 4 * tm.tmHeight);
    EXPECT_EQ(dc.DrawText("a\r\nb", -1, &lines, DT_SINGLELINE | DT_CALCRECT), tm.tmHeight);

    CRect tabs(0, 0, 200, 0);
    dc.DrawText("\tx", -1, &tabs, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(tabs.Width(), 8 * tm.tmAveCharWidth + dc.GetTextExtent("x").cx);
}

TEST_F(TextCanvas, DrawTextEllipsesShortenToTheRectangle) {
    const char* path = "/opt/vorn/templates/Terral_Tide/harbour.aft";
    const int full = dc.GetTextExtent(path).cx;
    CRect rect(0, 0, full / 2, 20);
    char buffer[128];
    std::strcpy(buffer, path);
    dc.DrawText(buffer, -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    const std::string shortened = buffer;
    ASSERT_GE(shortened.size(), 3u);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
    EXPECT_LE(dc.GetTextExtent(shortened.c_str(), static_cast<int>(shortened.size())).cx, full / 2);
    EXPECT_EQ(std::string(path).rfind(shortened.substr(0, shortened.size() - 3), 0), 0u);

    std::strcpy(buffer, path);
    rect.SetRect(0, 0, full * 2 / 3, 20);
    dc.DrawText(buffer, -1, &rect, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING);
    const std::string middle = buffer;
    EXPECT_NE(middle.find(".../harbour.aft"), std::string::npos) << middle;
    EXPECT_EQ(middle.rfind("/opt", 0), 0u) << middle;

    // Nothing drawn outside the rectangle unless DT_NOCLIP.
    clear();
    CRect clip(0, 0, 20, 20);
    dc.DrawText(path, -1, &clip, DT_SINGLELINE);
    EXPECT_LE(inkBox().right, 20);
    clear();
    dc.DrawText(path, -1, &clip, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(inkBox().right, 20);
}
