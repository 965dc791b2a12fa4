#include "tests/DibBytes.h"

#include "vornui/layout/HoverButton.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kWidth = 30; // of one state
constexpr int kHeight = 20;
constexpr int kTopRows = 5; // each state's top rows have a colour of their own

enum : UINT { kStripBitmap = 501, kNarrowBitmap, kPaletteBitmap, kTipString, kEmptyString };

// Normal blue, hover green, pressed red; darker in the top rows.
constexpr DWORD kBottom[] = {0x0000C8, 0x00C800, 0xC80000};
constexpr DWORD kTop[] = {0x000050, 0x005000, 0x500000};

COLORREF AsColorRef(DWORD rgb) {
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

DWORD StripPixel(int x, int y) {
    return y < kTopRows ? kTop[x / kWidth] : kBottom[x / kWidth];
}

// The image block of the strip: width, height and the rows, bottom-up for a positive
// height, top-down for a negative one.
std::vector<DWORD> ImageBlock(bool topDown) {
    const int width = 3 * kWidth;
    std::vector<DWORD> block{static_cast<DWORD>(width),
                             static_cast<DWORD>(topDown ? -kHeight : kHeight)};
    for (int row = 0; row < kHeight; ++row) {
        const int y = topDown ? row : kHeight - 1 - row;
        for (int x = 0; x < width; ++x)
            block.push_back(StripPixel(x, y));
    }
    return block;
}

class Panel : public CWnd {
public:
    Panel() {
        CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 200, 150, 160, 80, nullptr, nullptr);
    }
    ~Panel() override { DestroyWindow(); }
};

HWND VisibleToolTip() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            char name[64] = {};
            GetClassName(hwnd, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASS && IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND*>(lParam) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

class HoverButton : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                    CRect(20, 10, 20 + kWidth, 10 + kHeight), &m_panel, 9));
    }
    bool Act(CScriptedUser& user) {
        const HWND panel = m_panel.m_hWnd;
        return user.ActIn(panel,
                          [panel](MSG* msg) { return CWnd::WalkPreTranslateTree(panel, msg); });
    }
    COLORREF At(int x, int y) {
        m_button.UpdateWindow();
        const HDC hdc = ::GetDC(m_button);
        const COLORREF color = ::GetPixel(hdc, x, y);
        ::ReleaseDC(m_button, hdc);
        return color;
    }
    // The state shown, read from a corner of the bottom rows and one of the top rows.
    std::pair<COLORREF, COLORREF> Shown() { return {At(2, kHeight - 3), At(2, 1)}; }
    static std::pair<COLORREF, COLORREF> State(int state) {
        return {AsColorRef(kBottom[state]), AsColorRef(kTop[state])};
    }
    POINT Middle() const {
        CRect rect;
        m_button.GetWindowRect(&rect);
        return rect.CenterPoint();
    }
    POINT Outside() const { return POINT{Middle().x + 60, Middle().y}; }

    Panel m_panel;
    CHoverButton m_button;
};

} // namespace

TEST_F(HoverButton, ShowsTheHoverAndPressedPicturesAsThePointerComesAndPresses) {
    for (const bool topDown : {false, true}) {
        const std::vector<DWORD> block = ImageBlock(topDown);
        m_button.m_pImageBlock = block.data();
        m_button.Invalidate();
        EXPECT_EQ(Shown(), State(0)) << topDown;

        CScriptedUser user;
        user.MouseMove(Middle()).Rest(30);
        ASSERT_TRUE(Act(user));
        EXPECT_EQ(Shown(), State(1)) << topDown;

        // Pressed beats hover. (A press where the last one was would be a double click.)
        const POINT press = CPoint(Middle()) + CPoint(topDown ? 6 : 0, 0);
        user.MouseDown(press);
        ASSERT_TRUE(Act(user));
        EXPECT_EQ(Shown(), State(2)) << topDown;
        user.MouseUp(press);
        ASSERT_TRUE(Act(user));
        EXPECT_EQ(Shown(), State(1)) << topDown;

        user.MouseMove(Outside());
        ASSERT_TRUE(Act(user));
        EXPECT_EQ(Shown(), State(0)) << topDown;
    }
    // "..." is written in the middle, over the picture, and nowhere else.
    int written = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (At(x, y) != AsColorRef(y < kTopRows ? kTop[0] : kBottom[0])) {
                EXPECT_NEAR(x, kWidth / 2, 6);
                EXPECT_NEAR(y, kHeight / 2, 6);
                ++written;
            }
    EXPECT_GT(written, 3);
    // The picture covers the button: erasing paints nothing.
    const HDC hdc = ::GetDC(m_button);
    EXPECT_NE(m_button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc)), 0);
    ::ReleaseDC(m_button, hdc);
    EXPECT_EQ(Shown(), State(0));
    m_button.m_pImageBlock = nullptr;
}

TEST_F(HoverButton, ABlockTooNarrowForThreePicturesDrawsNoPicture) {
    const DWORD narrow[] = {2, 1, 0xFF0000, 0xFF0000};
    m_button.m_pImageBlock = narrow;
    m_button.Invalidate();
    const COLORREF corner = At(2, kHeight - 3);
    EXPECT_NE(corner, RGB(255, 0, 0));
    m_button.m_pImageBlock = nullptr;
}

TEST_F(HoverButton, AStripFromResourcesSizesTheButtonToOnePicture) {
    const HMODULE module = CreateResourceModule("hover-button-tests");
    static const std::string strip =
        dib_bytes::PackedDib({3 * 16, 12, 24}, [](int x, int y) -> std::uint32_t {
            return y < 3 ? 0x808080 : kBottom[x / 16];
        });
    static const std::string narrow =
        dib_bytes::PackedDib({2, 12, 24}, [](int, int) -> std::uint32_t { return 0xFF; });
    // Palette greys become the system's 3-D colours.
    static const std::string palette =
        dib_bytes::PackedDib({3 * 16, 12, 8, false, BI_RGB, {RGBQUAD{128, 128, 128, 0}}},
                             [](int, int) -> std::uint32_t { return 0; });
    AddResource(module, RT_BITMAP, MAKEINTRESOURCE(kStripBitmap), strip.data(),
                static_cast<DWORD>(strip.size()));
    AddResource(module, RT_BITMAP, MAKEINTRESOURCE(kNarrowBitmap), narrow.data(),
                static_cast<DWORD>(narrow.size()));
    AddResource(module, RT_BITMAP, MAKEINTRESOURCE(kPaletteBitmap), palette.data(),
                static_cast<DWORD>(palette.size()));
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);

    CRect before;
    m_button.GetWindowRect(&before);
    EXPECT_FALSE(m_button.LoadBitmap(kNarrowBitmap));
    EXPECT_FALSE(m_button.LoadBitmap(999));
    CRect after;
    m_button.GetWindowRect(&after);
    EXPECT_EQ(after, before);

    ASSERT_TRUE(m_button.LoadBitmap(kStripBitmap));
    m_button.GetWindowRect(&after);
    EXPECT_EQ(after, CRect(before.left, before.top, before.left + 16, before.top + 12));
    EXPECT_EQ(At(2, 10), AsColorRef(kBottom[0]));
    EXPECT_EQ(At(2, 1), RGB(128, 128, 128)); // a true-colour strip keeps its greys
    CScriptedUser user;
    user.MouseMove(Middle()).Rest(30).MouseDown(Middle());
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(At(2, 10), AsColorRef(kBottom[2]));
    user.MouseUp(Middle());
    ASSERT_TRUE(Act(user));

    ASSERT_TRUE(m_button.LoadBitmap(kPaletteBitmap));
    m_button.Invalidate();
    EXPECT_EQ(At(2, 10), GetSysColor(COLOR_3DSHADOW));

    AfxSetResourceHandle(previous);
    FreeResourceModule(module);
}

TEST_F(HoverButton, TheTooltipStartsInactiveAndShowsItsTextAfterAHover) {
    CSteppedClock clock; // each rest below is a step of it, not a wait
    const HMODULE module = CreateResourceModule("hover-button-tips");
    const StringResource strings[] = {{kTipString, "Choose the port"}, {kEmptyString, ""}};
    AddStringResources(module, strings, 2);
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);

    const auto hoverAndRest = [&] {
        CScriptedUser user;
        user.MouseMove(Outside()).MouseMove(Middle()).Rest(700);
        EXPECT_TRUE(Act(user));
        return VisibleToolTip();
    };
    m_button.ActivateTooltip(TRUE); // no tool yet: nothing to activate
    EXPECT_EQ(hoverAndRest(), nullptr);
    m_button.SetToolTipText(CString("Browse..."), FALSE);
    EXPECT_EQ(hoverAndRest(), nullptr);

    m_button.ActivateTooltip(TRUE);
    HWND tip = hoverAndRest();
    ASSERT_NE(tip, nullptr);
    char text[64] = {};
    GetWindowText(tip, text, sizeof text);
    EXPECT_STREQ(text, "Browse...");

    m_button.SetToolTipText(kEmptyString); // an empty string changes nothing
    m_button.SetToolTipText(kTipString);
    tip = hoverAndRest();
    ASSERT_NE(tip, nullptr);
    GetWindowText(tip, text, sizeof text);
    EXPECT_STREQ(text, "Choose the port");

    m_button.ActivateTooltip(FALSE);
    EXPECT_EQ(VisibleToolTip(), nullptr);
    EXPECT_EQ(hoverAndRest(), nullptr);

    AfxSetResourceHandle(previous);
    FreeResourceModule(module);
}
