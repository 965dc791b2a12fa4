#include "vornui/platform/CDC.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory DC over a white 32-bit bitmap.
class Picture {
public:
    Picture(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        reset(width, height);
    }
    ~Picture() { dc.SelectObject(old); }
    void reset(int width, int height) {
        if (old)
            dc.SelectObject(old);
        bitmap.DeleteObject();
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
        m_width = width;
        m_height = height;
    }
    int count(COLORREF color) {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += dc.GetPixel(x, y) == color;
        return n;
    }
    int inkRows(int fromX, int toX) {
        int rows = 0;
        for (int y = 0; y < m_height; ++y) {
            bool ink = false;
            for (int x = fromX; x < toX; ++x)
                ink = ink || dc.GetPixel(x, y) != kWhite;
            rows += ink;
        }
        return rows;
    }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;

private:
    int m_width = 0;
    int m_height = 0;
};

} // namespace

TEST(GdiDepth, WindingAndAlternateDifferInsideAStar) {
    Picture p(64, 48);
    const POINT star[] = {{20, 0}, {32, 40}, {0, 14}, {40, 14}, {8, 40}};
    CRgn alternate, winding;
    alternate.CreatePolygonRgn(star, 5, ALTERNATE);
    winding.CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(alternate.PtInRegion(20, 22)); // the pentagon in the middle is crossed twice
    EXPECT_TRUE(winding.PtInRegion(20, 22));
    EXPECT_TRUE(alternate.PtInRegion(20, 5));

    CRgn ellipse;
    ellipse.CreateEllipticRgn(0, 0, 20, 10);
    EXPECT_TRUE(ellipse.PtInRegion(10, 5));
    EXPECT_FALSE(ellipse.PtInRegion(0, 0));
    EXPECT_EQ(ellipse.OffsetRgn(100, 100), COMPLEXREGION);
    EXPECT_TRUE(ellipse.PtInRegion(110, 105));
    CRect box;
    ellipse.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(100, 100, 120, 110));
    const CRect probe(95, 95, 101, 101);
    EXPECT_FALSE(ellipse.RectInRegion(&probe));
}

TEST(GdiDepth, FrameRgnPaintsTheRimOfARegion) {
    Picture p(64, 48);
    CRgn area;
    area.CreateRectRgn(10, 10, 30, 20);
    CBrush red(kRed);
    p.dc.FrameRgn(&area, &red, 2, 1);
    EXPECT_EQ(p.count(kRed), 20 * 10 - 16 * 8);
    EXPECT_EQ(p.dc.GetPixel(11, 15), kRed);
    EXPECT_EQ(p.dc.GetPixel(12, 15), kWhite);
    EXPECT_EQ(p.dc.GetPixel(20, 10), kRed);
    EXPECT_EQ(p.dc.GetPixel(20, 11), kWhite);
}

TEST(GdiDepth, HatchedBrushesLeaveGapsTransparentOrInTheBackgroundColour) {
    Picture p(64, 48);
    CBrush hatch(HS_HORIZONTAL, kBlue);
    CRect area(0, 0, 8, 8);
    p.dc.SetBkMode(TRANSPARENT);
    p.dc.FillRect(&area, &hatch);
    EXPECT_EQ(p.count(kBlue), 8);
    p.dc.SetBkMode(OPAQUE);
    p.dc.SetBkColor(kGreen);
    p.dc.FillRect(&area, &hatch);
    EXPECT_EQ(p.count(kGreen), 56);
}

TEST(GdiDepth, RasterOperationsCombineSourcePatternAndDestination) {
    Picture p(64, 48);
    Picture source(64, 48);
    source.dc.FillSolidRect(0, 0, 2, 1, RGB(0xF0, 0x0F, 0x33));
    p.dc.FillSolidRect(0, 0, 2, 1, RGB(0x0F, 0xFF, 0x30));
    p.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, SRCAND);
    p.dc.BitBlt(1, 0, 1, 1, &source.dc, 1, 0, SRCPAINT);
    EXPECT_EQ(p.dc.GetPixel(0, 0), RGB(0x00, 0x0F, 0x30));
    EXPECT_EQ(p.dc.GetPixel(1, 0), RGB(0xFF, 0xFF, 0x33));
    p.dc.BitBlt(2, 0, 1, 1, &source.dc, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(p.dc.GetPixel(2, 0), RGB(0x0F, 0xF0, 0xCC));

    CBrush pattern(RGB(0xFF, 0x00, 0xFF));
    CBrush* oldBrush = p.dc.SelectObject(&pattern);
    p.dc.BitBlt(3, 0, 1, 1, &source.dc, 0, 0, MERGECOPY); // pattern AND source
    EXPECT_EQ(p.dc.GetPixel(3, 0), RGB(0xF0, 0x00, 0x33));
    p.dc.PatBlt(4, 0, 1, 1, PATINVERT);
    EXPECT_EQ(p.dc.GetPixel(4, 0), RGB(0x00, 0xFF, 0x00));
    p.dc.PatBlt(5, 0, 1, 1, BLACKNESS);
    EXPECT_EQ(p.dc.GetPixel(5, 0), kBlack);
    p.dc.SelectObject(oldBrush);
}

TEST(GdiDepth, BlitsWithinOneSurfaceMirrorAndOverlap) {
    Picture p(64, 48);
    for (int x = 0; x < 8; ++x)
        p.dc.SetPixel(x, 0, RGB(x * 10, 0, 0));
    p.dc.BitBlt(2, 0, 8, 1, &p.dc, 0, 0, SRCCOPY); // overlapping move to the right
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(p.dc.GetPixel(x + 2, 0), RGB(x * 10, 0, 0)) << x;
    p.dc.StretchBlt(7, 1, -8, 1, &p.dc, 2, 0, 8, 1, SRCCOPY); // mirrored
    EXPECT_EQ(p.dc.GetPixel(0, 1), RGB(70, 0, 0));
    EXPECT_EQ(p.dc.GetPixel(7, 1), RGB(0, 0, 0));
    p.dc.StretchBlt(0, 2, 4, 1, &p.dc, 2, 0, 8, 1, SRCCOPY); // halved: every second pixel
    EXPECT_EQ(p.dc.GetPixel(1, 2), RGB(20, 0, 0));
}

TEST(GdiDepth, WidePensAndStyledOutlines) {
    Picture p(64, 48);
    CPen wide(PS_SOLID, 3, kRed);
    CPen* oldPen = p.dc.SelectObject(&wide);
    p.dc.MoveTo(10, 10);
    p.dc.LineTo(30, 10);
    EXPECT_EQ(p.inkRows(0, 64), 3);
    p.dc.SelectObject(oldPen);

    p.dc.FillSolidRect(0, 0, 64, 48, kWhite);
    CPen frame(PS_INSIDEFRAME, 4, kBlue);
    oldPen = p.dc.SelectObject(&frame);
    p.dc.SelectStockObject(NULL_BRUSH);
    p.dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(p.count(kBlue), 20 * 20 - 12 * 12); // drawn inside the rectangle
    p.dc.SelectObject(oldPen);

    p.dc.FillSolidRect(0, 0, 64, 48, kWhite);
    p.dc.SetROP2(R2_XORPEN);
    CPen white(PS_SOLID, 1, kWhite);
    oldPen = p.dc.SelectObject(&white);
    p.dc.MoveTo(0, 5);
    p.dc.LineTo(10, 5);
    EXPECT_EQ(p.count(kBlack), 10); // white XOR white
    p.dc.MoveTo(0, 5);
    p.dc.LineTo(10, 5);
    EXPECT_EQ(p.count(kBlack), 0);
    p.dc.SelectObject(oldPen);
    p.dc.SetROP2(R2_COPYPEN);
    p.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(GdiDepth, FocusRectanglesInvertEveryOtherPixelAndUndoThemselves) {
    Picture p(64, 48);
    const CRect rect(4, 4, 14, 10);
    p.dc.DrawFocusRect(&rect);
    const int inverted = p.count(kBlack);
    EXPECT_EQ(inverted, (2 * 10 + 2 * 4) / 2);
    p.dc.DrawFocusRect(&rect);
    EXPECT_EQ(p.count(kBlack), 0);
    p.dc.Draw3dRect(&rect, kRed, kBlue);
    EXPECT_EQ(p.dc.GetPixel(4, 4), kRed);
    EXPECT_EQ(p.dc.GetPixel(13, 9), kBlue);
    EXPECT_EQ(p.dc.GetPixel(13, 4), kBlue);
    EXPECT_EQ(p.dc.GetPixel(4, 9), kBlue);
}

TEST(GdiDepth, DrawTextPrefixesUnderlineOrHide) {
    Picture p(64, 48);
    p.reset(120, 30);
    p.dc.SelectStockObject(DEFAULT_GUI_FONT);
    p.dc.SetBkMode(TRANSPARENT);
    CRect rect(0, 0, 120, 30);
    TEXTMETRIC tm{};
    p.dc.GetTextMetrics(&tm);
    const int underlineRow = tm.tmAscent + 1;
    auto underlined = [&] {
        int pixels = 0;
        for (int x = 0; x < 120; ++x)
            pixels += p.dc.GetPixel(x, underlineRow) == kBlack;
        return pixels;
    };
    p.dc.DrawText("&Save", -1, &rect, DT_SINGLELINE);
    const int withMark = underlined();
    EXPECT_GE(withMark, p.dc.GetTextExtent("S").cx - 1);
    p.dc.FillSolidRect(0, 0, 120, 30, kWhite);
    p.dc.DrawText("&Save", -1, &rect, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(underlined(), 0);
    p.dc.FillSolidRect(0, 0, 120, 30, kWhite);
    p.dc.DrawText("&Save", -1, &rect, DT_SINGLELINE | DT_PREFIXONLY);
    EXPECT_EQ(p.count(kBlack), withMark); // only the mark
    p.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(GdiDepth, DrawTextPlacesLinesAtTheBottomAndRight) {
    Picture p(64, 48);
    p.dc.SelectStockObject(DEFAULT_GUI_FONT);
    p.dc.SetBkMode(TRANSPARENT);
    TEXTMETRIC tm{};
    p.dc.GetTextMetrics(&tm);
    CRect rect(0, 0, 64, 48);
    EXPECT_EQ(p.dc.DrawText("m", -1, &rect, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT), 48);
    int top = 48, left = 64;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            if (p.dc.GetPixel(x, y) != kWhite)
                top = std::min(top, y), left = std::min(left, x);
    EXPECT_GE(top, 48 - tm.tmHeight);
    EXPECT_GE(left, 64 - p.dc.GetTextExtent("m").cx - 1);

    // An edit control shows no partly visible last line.
    p.dc.FillSolidRect(0, 0, 64, 48, kWhite);
    CRect twoAndAHalf(0, 0, 64, tm.tmHeight * 2 + tm.tmHeight / 2);
    p.dc.DrawText("one\ntwo\nthree", -1, &twoAndAHalf, DT_EDITCONTROL);
    EXPECT_LE(p.inkRows(0, 64), 2 * tm.tmHeight);
    EXPECT_EQ(p.dc.DrawText("one\ntwo", -1, &twoAndAHalf, DT_CALCRECT | DT_EXTERNALLEADING),
              2 * (tm.tmHeight + tm.tmExternalLeading));
    p.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(GdiDepth, TextOutUpdatesTheCurrentPositionWhenAsked) {
    Picture p(64, 48);
    p.dc.SelectStockObject(DEFAULT_GUI_FONT);
    p.dc.SetTextAlign(TA_UPDATECP);
    p.dc.MoveTo(5, 5);
    p.dc.TextOut(0, 0, "ab");
    EXPECT_EQ(p.dc.GetCurrentPosition(), CPoint(5 + p.dc.GetTextExtent("ab").cx, 5));
    int widths[2] = {};
    ASSERT_TRUE(p.dc.GetCharWidth('a', 'b', widths));
    EXPECT_EQ(widths[0] + widths[1], p.dc.GetTextExtent("ab").cx);
    SIZE size{};
    int fit = 0;
    int extents[3] = {};
    ASSERT_TRUE(GetTextExtentExPoint(p.dc, "abc", 3, widths[0] + widths[1], &fit, extents, &size));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(extents[1], widths[0] + widths[1]);
    p.dc.SetTextAlign(TA_LEFT | TA_TOP);
    p.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(GdiDepth, ObjectsSelectedIntoADcAreNotDeleted) {
    Picture p(64, 48);
    CPen pen(PS_SOLID, 1, kRed);
    CPen* previous = p.dc.SelectObject(&pen);
    EXPECT_FALSE(::DeleteObject(pen));
    EXPECT_EQ(p.dc.GetCurrentPen()->m_hObject, pen.m_hObject);
    p.dc.SelectObject(previous);
    EXPECT_EQ(p.dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
    LOGPEN log{};
    EXPECT_EQ(pen.GetLogPen(&log), static_cast<int>(sizeof log));
    EXPECT_EQ(log.lopnColor, kRed);
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), static_cast<DWORD>(OBJ_FONT));
    EXPECT_TRUE(::DeleteObject(GetStockObject(BLACK_PEN))); // stock objects stay
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
}
