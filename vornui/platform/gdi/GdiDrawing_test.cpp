#include "vornui/platform/CDC.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory DC over a white 32-bit bitmap, as a window capture would use.
class Canvas {
public:
    Canvas(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
    }
    ~Canvas() { dc.SelectObject(previous); }
    int count(COLORREF color, const CRect& area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += const_cast<CDC&>(dc).GetPixel(x, y) == color;
        return n;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
};

} // namespace

TEST(GdiShapes, RectangleFramesWithThePenAndFillsWithTheBrush) {
    Canvas canvas(40, 30);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* oldPen = canvas.dc.SelectObject(&pen);
    CBrush* oldBrush = canvas.dc.SelectObject(&brush);
    canvas.dc.Rectangle(5, 5, 15, 12);
    EXPECT_EQ(canvas.dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(canvas.dc.GetPixel(14, 11), kRed);
    EXPECT_EQ(canvas.dc.GetPixel(15, 11), kWhite); // right and bottom are exclusive
    EXPECT_EQ(canvas.count(kRed, CRect(0, 0, 40, 30)), 2 * 10 + 2 * 5);
    EXPECT_EQ(canvas.count(kBlue, CRect(0, 0, 40, 30)), 8 * 5);

    // Without a pen the fill stops one pixel short of right and bottom.
    canvas.dc.SelectStockObject(NULL_PEN);
    canvas.dc.Rectangle(20, 20, 25, 25);
    EXPECT_EQ(canvas.count(kBlue, CRect(20, 20, 26, 26)), 16);
    canvas.dc.SelectObject(oldPen);
    canvas.dc.SelectObject(oldBrush);
    EXPECT_FALSE(::DeleteObject(canvas.bitmap)); // still selected
}

TEST(GdiShapes, LinesOmitTheirLastPixelAndDashedPensLeaveGaps) {
    Canvas canvas(40, 10);
    CPen pen(PS_SOLID, 1, kBlack);
    canvas.dc.SelectObject(&pen);
    canvas.dc.MoveTo(2, 2);
    canvas.dc.LineTo(12, 2);
    EXPECT_EQ(canvas.count(kBlack, CRect(0, 2, 40, 3)), 10);
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(12, 2));

    CPen dotted(PS_DOT, 1, kRed);
    canvas.dc.SelectObject(&dotted);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.MoveTo(0, 5);
    canvas.dc.LineTo(12, 5);
    EXPECT_EQ(canvas.count(kRed, CRect(0, 5, 40, 6)), 6); // three on, three off
    canvas.dc.SelectStockObject(BLACK_PEN);
}

TEST(GdiShapes, PolygonsFillByModeAndEllipsesStayInside) {
    Canvas canvas(40, 40);
    canvas.dc.SelectStockObject(NULL_PEN);
    CBrush brush(kBlue);
    canvas.dc.SelectObject(&brush);
    const POINT triangle[] = {{0, 0}, {20, 0}, {0, 20}};
    canvas.dc.Polygon(triangle, 3);
    EXPECT_EQ(canvas.dc.GetPixel(1, 1), kBlue);
    EXPECT_EQ(canvas.dc.GetPixel(18, 18), kWhite);
    // Pixels whose centres lie inside: 19 + 18 + ... + 0.
    EXPECT_EQ(canvas.count(kBlue, CRect(0, 0, 40, 40)), 190);

    canvas.dc.FillSolidRect(0, 0, 40, 40, kWhite);
    canvas.dc.Ellipse(10, 10, 30, 30);
    EXPECT_EQ(canvas.dc.GetPixel(20, 20), kBlue);
    EXPECT_EQ(canvas.dc.GetPixel(10, 10), kWhite);
    const int area = canvas.count(kBlue, CRect(0, 0, 40, 40));
    EXPECT_NEAR(area, 314, 12); // pi r^2
    canvas.dc.SelectStockObject(WHITE_BRUSH);
    canvas.dc.SelectStockObject(BLACK_PEN);
}

TEST(GdiRegions, CombineAndFill) {
    CRgn outer, hole, ring;
    outer.CreateRectRgn(0, 0, 20, 20);
    hole.CreateRectRgn(5, 5, 15, 15);
    ring.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ring.CombineRgn(&outer, &hole, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(ring.PtInRegion(10, 10));
    EXPECT_TRUE(ring.PtInRegion(2, 10));
    CRect box;
    EXPECT_EQ(ring.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 20, 20));
    EXPECT_EQ(ring.CombineRgn(&ring, &hole, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(ring.EqualRgn(&outer));
    EXPECT_EQ(ring.CombineRgn(&outer, &outer, RGN_XOR), NULLREGION);

    const POINT diamond[] = {{10, 0}, {20, 10}, {10, 20}, {0, 10}};
    CRgn polygon;
    ASSERT_TRUE(polygon.CreatePolygonRgn(diamond, 4, ALTERNATE));
    EXPECT_TRUE(polygon.PtInRegion(10, 10));
    EXPECT_FALSE(polygon.PtInRegion(1, 1));

    Canvas canvas(30, 30);
    CBrush brush(kRed);
    outer.CombineRgn(&outer, &polygon, RGN_DIFF);
    canvas.dc.FillRgn(&outer, &brush);
    EXPECT_EQ(canvas.dc.GetPixel(1, 1), kRed);
    EXPECT_EQ(canvas.dc.GetPixel(10, 10), kWhite);
    EXPECT_EQ(canvas.dc.GetPixel(25, 25), kWhite);
}

TEST(GdiClipping, ClipRegionsAndSavedStates) {
    Canvas canvas(30, 30);
    const int saved = canvas.dc.SaveDC();
    canvas.dc.IntersectClipRect(10, 10, 20, 20);
    canvas.dc.ExcludeClipRect(12, 12, 14, 14);
    canvas.dc.SetTextColor(kRed);
    canvas.dc.FillSolidRect(0, 0, 30, 30, kBlue);
    EXPECT_EQ(canvas.count(kBlue, CRect(0, 0, 30, 30)), 100 - 4);
    CRect box;
    EXPECT_EQ(canvas.dc.GetClipBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(10, 10, 20, 20));

    EXPECT_TRUE(canvas.dc.RestoreDC(saved));
    EXPECT_EQ(canvas.dc.GetTextColor(), kBlack);
    EXPECT_EQ(canvas.dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 30, 30));
    EXPECT_FALSE(canvas.dc.RestoreDC(saved)); // already popped

    canvas.dc.SetViewportOrg(5, 5);
    canvas.dc.FillSolidRect(0, 0, 1, 1, kRed);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kRed);
    canvas.dc.SetViewportOrg(0, 0);
    EXPECT_EQ(canvas.dc.GetPixel(5, 5), kRed);
}

TEST(GdiBlits, CopyStretchAndKeyOutAColour) {
    Canvas source(4, 2);
    source.dc.FillSolidRect(0, 0, 2, 2, kRed);
    source.dc.FillSolidRect(2, 0, 2, 2, kBlue);
    Canvas target(20, 20);
    EXPECT_TRUE(target.dc.BitBlt(1, 1, 4, 2, &source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.dc.GetPixel(1, 1), kRed);
    EXPECT_EQ(target.dc.GetPixel(4, 2), kBlue);
    EXPECT_EQ(target.dc.GetPixel(5, 1), kWhite);

    EXPECT_TRUE(target.dc.StretchBlt(0, 10, 8, 4, &source.dc, 0, 0, 4, 2, SRCCOPY));
    EXPECT_EQ(target.count(kRed, CRect(0, 10, 20, 20)), 16);
    EXPECT_EQ(target.count(kBlue, CRect(0, 10, 20, 20)), 16);

    target.dc.FillSolidRect(0, 0, 20, 20, kWhite);
    EXPECT_TRUE(target.dc.TransparentBlt(0, 0, 4, 2, &source.dc, 0, 0, 4, 2, kRed));
    EXPECT_EQ(target.dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(target.dc.GetPixel(3, 0), kBlue);

    target.dc.PatBlt(0, 0, 2, 2, DSTINVERT);
    EXPECT_EQ(target.dc.GetPixel(0, 0), kBlack);
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 4, 2, &source.dc, 0, 0, SRCINVERT));
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(255, 0, 0) ^ 0);
}

TEST(GdiBitmaps, MonochromeBlitsMapThroughTheBackgroundColour) {
    Canvas colour(4, 1);
    colour.dc.FillSolidRect(0, 0, 2, 1, kRed);
    CDC maskDC;
    maskDC.CreateCompatibleDC(nullptr);
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(4, 1, 1, 1, nullptr));
    CBitmap* old = maskDC.SelectObject(&mask);
    colour.dc.SetBkColor(kRed);
    maskDC.BitBlt(0, 0, 4, 1, &colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(maskDC.GetPixel(0, 0), kWhite); // background colour becomes white
    EXPECT_EQ(maskDC.GetPixel(3, 0), kBlack);

    Canvas target(4, 1);
    target.dc.SetTextColor(kBlue);
    target.dc.SetBkColor(kRed);
    target.dc.BitBlt(0, 0, 4, 1, &maskDC, 0, 0, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(target.dc.GetPixel(3, 0), kBlue);
    maskDC.SelectObject(old);

    BITMAP info{};
    EXPECT_EQ(mask.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidthBytes, 2);
}

TEST(GdiBitmaps, GetDIBitsDescribesAndConvertsRows) {
    Canvas canvas(3, 2);
    canvas.dc.SetPixel(0, 0, RGB(10, 20, 30));
    canvas.dc.SetPixel(2, 1, kRed);
    canvas.dc.SelectObject(canvas.previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_TRUE(GetDIBits(canvas.dc, canvas.bitmap, 0, 2, nullptr, &info, DIB_RGB_COLORS));
    EXPECT_EQ(info.bmiHeader.biWidth, 3);
    EXPECT_EQ(info.bmiHeader.biHeight, 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);

    info.bmiHeader.biBitCount = 24;
    std::vector<BYTE> bits(2 * 12);
    EXPECT_EQ(GetDIBits(canvas.dc, canvas.bitmap, 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    // Bottom-up: the first row in memory is the bottom one, pixels blue, green, red.
    EXPECT_EQ(bits[6], 0);
    EXPECT_EQ(bits[8], 255);
    EXPECT_EQ(bits[12 + 0], 30);
    EXPECT_EQ(bits[12 + 1], 20);
    EXPECT_EQ(bits[12 + 2], 10);
    canvas.dc.SelectObject(&canvas.bitmap);
}

TEST(GdiBitmaps, DibSectionsShareTheirBitsWithTheDC) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -3, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = dc.SelectObject(static_cast<HGDIOBJ>(section));
    dc.SetPixel(1, 2, RGB(1, 2, 3));
    EXPECT_EQ(static_cast<std::uint32_t*>(bits)[2 * 4 + 1], 0x010203u);
    dc.SelectObject(old);
    DIBSECTION described{};
    EXPECT_EQ(GetObject(section, sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_EQ(described.dsBmih.biHeight, -3);
    EXPECT_TRUE(DeleteObject(section));
    EXPECT_FALSE(DeleteObject(section));
}
