#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(100, 100, 100);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = kGrey) : m_width(width), m_height(height) {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        m_old = m_dc.SelectObject(&m_bitmap);
        clear(fill);
    }
    ~Canvas() { m_dc.SelectObject(m_old); }
    void clear(COLORREF fill) {
        const CRect all(0, 0, m_width, m_height);
        m_dc.FillSolidRect(&all, fill);
    }
    HDC dc() const { return m_dc; }
    CDC* cdc() { return &m_dc; }
    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};

// A strip of 8 x 8 images, one colour each, with a magenta top-left 2 x 2 corner.
HBITMAP Strip(const std::vector<COLORREF>& colors) {
    const int width = static_cast<int>(colors.size()) * 8;
    const HBITMAP strip = CreateBitmap(width, 8, 1, 32, nullptr);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, strip);
    for (int i = 0; i < static_cast<int>(colors.size()); ++i)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                SetPixel(dc, i * 8 + x, y, x < 2 && y < 2 ? kMagenta : colors[i]);
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

int Channel(COLORREF color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

// `from` blended towards `to` by weight/255.
COLORREF Mix(COLORREF from, COLORREF to, int weight) {
    const auto mix = [&](int shift) {
        return Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * weight / 255;
    };
    return RGB(mix(0), mix(8), mix(16));
}

bool Near(COLORREF a, COLORREF b) {
    for (const int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > 2)
            return false;
    return true;
}

} // namespace

TEST(ImageList, ImagesAreAddedReplacedAndRemoved) {
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 4, 4));
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, 8);
    EXPECT_EQ(height, 8);
    CBitmap strip;
    strip.Attach(Strip({kRed, kGreen, kBlue}));
    EXPECT_EQ(list.Add(&strip, kMagenta), 0);
    EXPECT_EQ(list.Add(&strip, kMagenta), 3);
    EXPECT_EQ(ImageList_GetImageCount(list), 6);
    EXPECT_TRUE(list.Remove(1));
    EXPECT_EQ(list.GetImageCount(), 5);
    Canvas canvas(8, 8);
    list.Draw(canvas.cdc(), 1, CPoint(0, 0), ILD_NORMAL); // blue moved up
    EXPECT_EQ(canvas.at(4, 4), kBlue);

    CBitmap green;
    green.Attach(Strip({kGreen}));
    const HBITMAP mask = CreateBitmap(8, 8, 1, 1, nullptr); // all black: all opaque
    EXPECT_TRUE(ImageList_Replace(list, 1, green, mask));
    list.Draw(canvas.cdc(), 1, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(canvas.at(4, 4), kGreen);
    EXPECT_EQ(canvas.at(0, 0), kMagenta); // the mask kept the corner
    DeleteObject(mask);

    const int icon = list.Add(LoadIcon(nullptr, IDI_ERROR));
    EXPECT_EQ(icon, 5);
    canvas.clear(kGrey);
    list.Draw(canvas.cdc(), icon, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(canvas.at(0, 0), kGrey); // the icon's own transparency
    EXPECT_NE(canvas.at(4, 4), kGrey);
    EXPECT_EQ(list.Replace(0, LoadIcon(nullptr, IDI_WARNING)), 0);

    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(list.GetImageCount(), 0);
    EXPECT_TRUE(list.SetImageCount(3));
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_TRUE(ImageList_SetIconSize(list, 16, 4));
    EXPECT_EQ(list.GetImageCount(), 0);
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 4);
}

TEST(ImageList, EveryDrawingModeGivesItsColours) {
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 4));
    CBitmap strip;
    strip.Attach(Strip({kRed, kGreen, kBlue}));
    ASSERT_EQ(list.Add(&strip, kMagenta), 0);
    Canvas canvas(8, 8);
    const auto draw = [&](UINT style, COLORREF background = CLR_DEFAULT,
                          COLORREF foreground = CLR_DEFAULT, int index = 0) {
        canvas.clear(kGrey);
        EXPECT_TRUE(list.DrawEx(canvas.cdc(), index, CPoint(0, 0), CSize(0, 0), background,
                                foreground, style));
    };
    // Normal: the masked corner shows what was there.
    draw(ILD_NORMAL);
    EXPECT_EQ(canvas.at(0, 0), kGrey);
    EXPECT_EQ(canvas.at(5, 5), kRed);
    // With a background colour the corner takes it, unless drawn transparent.
    EXPECT_EQ(list.SetBkColor(RGB(255, 255, 0)), CLR_NONE);
    draw(ILD_NORMAL);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 255, 0));
    EXPECT_EQ(canvas.at(5, 5), kRed);
    draw(ILD_TRANSPARENT);
    EXPECT_EQ(canvas.at(0, 0), kGrey);
    draw(ILD_NORMAL, CLR_NONE);
    EXPECT_EQ(canvas.at(0, 0), kGrey);
    list.SetBkColor(CLR_NONE);
    // Selected and focused: blended with the highlight, half and a quarter.
    draw(ILD_SELECTED, CLR_NONE, kBlue);
    EXPECT_TRUE(Near(canvas.at(5, 5), Mix(kRed, kBlue, 128))) << std::hex << canvas.at(5, 5);
    EXPECT_EQ(canvas.at(0, 0), kGrey);
    draw(ILD_FOCUS, CLR_NONE, kBlue);
    EXPECT_TRUE(Near(canvas.at(5, 5), Mix(kRed, kBlue, 64))) << std::hex << canvas.at(5, 5);
    draw(ILD_BLEND50, CLR_NONE, CLR_DEFAULT);
    EXPECT_TRUE(Near(canvas.at(5, 5), Mix(kRed, GetSysColor(COLOR_HIGHLIGHT), 128)));
    draw(ILD_BLEND50, CLR_NONE, CLR_NONE);
    EXPECT_EQ(canvas.at(5, 5), kRed);
    // The mask alone, the image alone.
    draw(ILD_MASK);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(canvas.at(5, 5), RGB(0, 0, 0));
    draw(ILD_IMAGE);
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 0)); // masked pixels were made black
    EXPECT_EQ(canvas.at(5, 5), kRed);
    // An overlay: image 2 drawn over image 0.
    EXPECT_TRUE(list.SetOverlayImage(2, 1));
    draw(ILD_NORMAL | INDEXTOOVERLAYMASK(1));
    EXPECT_EQ(canvas.at(5, 5), kBlue);
    EXPECT_EQ(canvas.at(0, 0), kGrey);
    draw(ILD_NORMAL | INDEXTOOVERLAYMASK(2)); // no such overlay
    EXPECT_EQ(canvas.at(5, 5), kRed);
    // Part of an image.
    canvas.clear(kGrey);
    list.DrawEx(canvas.cdc(), 1, CPoint(0, 0), CSize(4, 4), CLR_NONE, CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(canvas.at(3, 3), kGreen);
    EXPECT_EQ(canvas.at(5, 5), kGrey);
}

TEST(ImageList, DepthAndMaskFollowTheFlags) {
    // Without a mask every pixel is drawn.
    CImageList plain;
    ASSERT_TRUE(plain.Create(8, 8, ILC_COLOR24, 0, 1));
    CBitmap strip;
    strip.Attach(Strip({RGB(200, 10, 10)}));
    plain.Add(&strip, kMagenta);
    Canvas canvas(8, 8);
    plain.Draw(canvas.cdc(), 0, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(canvas.at(0, 0), kMagenta);
    EXPECT_EQ(canvas.at(5, 5), RGB(200, 10, 10));
    // Sixteen colours: the nearest one is kept.
    CImageList vga;
    ASSERT_TRUE(vga.Create(8, 8, ILC_COLOR4 | ILC_MASK, 0, 1));
    vga.Add(&strip, kMagenta);
    vga.Draw(canvas.cdc(), 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(canvas.at(5, 5), kRed);
    // A 32-bit list keeps the alpha of 32-bit sections.
    CImageList alpha;
    ASSERT_TRUE(alpha.Create(2, 2, ILC_COLOR32, 0, 1));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap section;
    section.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    for (int i = 0; i < 4; ++i)
        static_cast<std::uint32_t*>(bits)[i] = 0x800000FFu; // blue at half alpha
    ASSERT_EQ(alpha.Add(&section, static_cast<CBitmap*>(nullptr)), 0);
    Canvas black(2, 2, RGB(0, 0, 0));
    alpha.Draw(black.cdc(), 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_TRUE(Near(black.at(1, 1), RGB(0, 0, 128)));
}

TEST(ImageList, BadInputIsRefused) {
    EXPECT_EQ(ImageList_Create(0, 0, ILC_COLOR24, 1, 1), nullptr);
    EXPECT_EQ(ImageList_Create(-4, 8, ILC_COLOR24, 1, 1), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(nullptr), 0);
    EXPECT_EQ(ImageList_Add(nullptr, nullptr, nullptr), -1);
    int width = 0, height = 0;
    EXPECT_FALSE(ImageList_GetIconSize(nullptr, &width, &height));
    Canvas canvas(8, 8);
    const HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    const HBITMAP narrow = CreateBitmap(4, 8, 1, 32, nullptr); // narrower than an image
    EXPECT_EQ(ImageList_Add(list, narrow, nullptr), -1);
    DeleteObject(narrow);
    EXPECT_FALSE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, -1, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Remove(list, 3));
    EXPECT_FALSE(ImageList_Replace(list, 0, nullptr, nullptr));
    EXPECT_EQ(ImageList_ReplaceIcon(list, 4, LoadIcon(nullptr, IDI_ERROR)), -1);
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_FALSE(ImageList_SetOverlayImage(list, 0, 1));
    EXPECT_EQ(ImageList_AddIcon(list, LoadIcon(nullptr, IDI_ERROR)), 0);
    EXPECT_FALSE(ImageList_SetOverlayImage(list, 0, 16));
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_SetIconSize(list, 0, 5));
    EXPECT_FALSE(ImageList_BeginDrag(list, 7, 0, 0));
    EXPECT_FALSE(ImageList_DragMove(1, 1)); // no drag begun
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
}

TEST(ImageList, DraggedImagesLeaveNoTrace) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 20, 20, 60,
                                40, nullptr, nullptr));
    window.UpdateWindow();
    const auto pixels = [&] {
        std::vector<COLORREF> all;
        const HDC dc = ::GetWindowDC(window);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                all.push_back(GetPixel(dc, x, y));
        ::ReleaseDC(window, dc);
        return all;
    };
    const auto at = [&](int x, int y) { return pixels()[static_cast<std::size_t>(y) * 60 + x]; };
    const std::vector<COLORREF> before = pixels();

    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap strip;
    strip.Attach(Strip({kRed}));
    list.Add(&strip, kMagenta);
    ASSERT_TRUE(list.BeginDrag(0, CPoint(4, 4)));
    ASSERT_TRUE(CImageList::DragEnter(&window, CPoint(10, 10)));
    EXPECT_EQ(at(10, 10), kRed);             // the hot spot lies on the point
    EXPECT_EQ(at(6, 6), before[6 * 60 + 6]); // the masked corner
    EXPECT_TRUE(CImageList::DragMove(CPoint(40, 20)));
    EXPECT_EQ(at(10, 10), before[10 * 60 + 10]);
    EXPECT_EQ(at(40, 20), kRed);
    EXPECT_TRUE(CImageList::DragShowNolock(FALSE));
    EXPECT_EQ(pixels(), before);
    EXPECT_TRUE(CImageList::DragShowNolock(TRUE));
    EXPECT_EQ(at(40, 20), kRed);
    EXPECT_TRUE(CImageList::DragLeave(&window));
    EXPECT_EQ(pixels(), before);
    CImageList::EndDrag();
    EXPECT_FALSE(CImageList::DragMove(CPoint(1, 1)));
    window.DestroyWindow();
}
