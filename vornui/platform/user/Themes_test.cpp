#include "tests/TestWindowClass.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Themes.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A memory DC over a white 32-bit bitmap.
class Canvas {
public:
    Canvas(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
    }
    ~Canvas() { dc.SelectObject(previous); }
    int Count(COLORREF color, const CRect& area) {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += dc.GetPixel(x, y) == color;
        return n;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
};

} // namespace

TEST(Themes, TheStyleOpensForTheScrollBarAndOnlyWithVisualStyles) {
    const HWND window = CreateWindowEx(0, TestWindowClass("VornuiThemedWindow"), "", WS_POPUP, 0, 0,
                                       100, 100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsThemeActive());
    const HTHEME theme = OpenThemeData(window, "ScrollBar");
    EXPECT_NE(theme, nullptr);
    EXPECT_EQ(CloseThemeData(theme), S_OK);
    const HTHEME listed = OpenThemeData(window, "Button; SCROLLBAR");
    EXPECT_NE(listed, nullptr);
    CloseThemeData(listed);
    EXPECT_EQ(OpenThemeData(window, "Button"), nullptr);
    EXPECT_EQ(OpenThemeData(window, ""), nullptr);
    EXPECT_EQ(OpenThemeData(window, nullptr), nullptr);
    EXPECT_EQ(OpenThemeData(nullptr, "SCROLLBAR"), nullptr);

    SetVisualStylesEnabled(FALSE);
    EXPECT_FALSE(IsThemeActive());
    EXPECT_EQ(OpenThemeData(window, "SCROLLBAR"), nullptr);
    SetVisualStylesEnabled(TRUE);
    DestroyWindow(window);
    EXPECT_EQ(OpenThemeData(window, "SCROLLBAR"), nullptr);
}

TEST(Themes, TheSizeBoxIsSixDotsInTheCornerWithinTheClip) {
    const HWND window = CreateWindowEx(0, TestWindowClass("VornuiThemedWindow"), "", WS_POPUP, 0, 0,
                                       100, 100, nullptr, nullptr, nullptr, nullptr);
    const HTHEME theme = OpenThemeData(window, "SCROLLBAR");
    ASSERT_NE(theme, nullptr);
    Canvas canvas(40, 40);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const CRect box(10, 10, 27, 27);
    EXPECT_EQ(DrawThemeBackground(theme, canvas.dc.GetSafeHdc(), SBP_SIZEBOX,
                                  SZB_HALFBOTTOMRIGHTALIGN, &box, nullptr),
              S_OK);
    // Six dots of 2 x 2 in the shadow colour, each with a light pixel showing below it.
    EXPECT_EQ(canvas.Count(shadow, box), 6 * 4);
    EXPECT_EQ(canvas.dc.GetPixel(24, 24), shadow);
    EXPECT_EQ(canvas.dc.GetPixel(16, 24), shadow);
    EXPECT_EQ(canvas.dc.GetPixel(24, 16), shadow);
    EXPECT_NE(canvas.dc.GetPixel(16, 16), shadow); // the triangle's empty corner
    EXPECT_EQ(canvas.Count(shadow, CRect(0, 0, 40, 10)), 0);

    Canvas clipped(40, 40);
    const CRect clip(10, 10, 22, 40);
    EXPECT_EQ(DrawThemeBackground(theme, clipped.dc.GetSafeHdc(), SBP_SIZEBOX, SZB_RIGHTALIGN, &box,
                                  &clip),
              S_OK);
    EXPECT_EQ(clipped.Count(shadow, CRect(22, 0, 40, 40)), 0);
    EXPECT_GT(clipped.Count(shadow, clip), 0);

    EXPECT_EQ(DrawThemeBackground(theme, canvas.dc.GetSafeHdc(), 1, 1, &box, nullptr), E_NOTIMPL);
    EXPECT_EQ(DrawThemeBackground(nullptr, canvas.dc.GetSafeHdc(), SBP_SIZEBOX, 1, &box, nullptr),
              E_INVALIDARG);
    EXPECT_EQ(DrawThemeBackground(theme, canvas.dc.GetSafeHdc(), SBP_SIZEBOX, 1, nullptr, nullptr),
              E_INVALIDARG);
    CloseThemeData(theme);
    DestroyWindow(window);
}
