#include "tests/TestWindowClass.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

namespace {

// Two monitors side by side for the test's duration; the default desktop afterwards.
class TwoMonitors : public testing::Test {
protected:
    void SetUp() override {
        m_saved = GetScreenMonitors();
        SetScreenMonitors(
            {ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
             ScreenMonitor{CRect(1920, 100, 3200, 1124), CRect(1920, 100, 3200, 1124), false}});
    }
    void TearDown() override { SetScreenMonitors(m_saved); }

    static CRect MonitorRect(HMONITOR monitor) {
        MONITORINFO info{sizeof info, {}, {}, 0};
        EXPECT_TRUE(GetMonitorInfo(monitor, &info));
        return info.rcMonitor;
    }

    std::vector<ScreenMonitor> m_saved;
};

// A font's measure taken through a device context: the 52 letters' width over 26, halved
// and rounded, and the character height.
FontCharMetrics MeasuredWithDC(int pointSize, int dpi) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont font;
    font.CreateFont(-MulDiv(pointSize, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                    0, 0, "MS Shell Dlg");
    CFont* old = dc.SelectObject(&font);
    const int letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").cx;
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    return FontCharMetrics{(letters / 26 + 1) / 2, static_cast<int>(tm.tmHeight)};
}

} // namespace

TEST_F(TwoMonitors, PointsFindTheirMonitorOrTheNearestWhenAskedTo) {
    const HMONITOR primary = MonitorFromPoint(CPoint(10, 10), MONITOR_DEFAULTTONULL);
    const HMONITOR secondary = MonitorFromPoint(CPoint(2000, 500), MONITOR_DEFAULTTONULL);
    ASSERT_NE(primary, nullptr);
    ASSERT_NE(secondary, nullptr);
    EXPECT_NE(primary, secondary);
    MONITORINFO info{sizeof info, {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfo(primary, &info));
    EXPECT_EQ(CRect(info.rcWork), CRect(0, 0, 1920, 1040));
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(MONITORINFOF_PRIMARY));
    EXPECT_EQ(MonitorRect(secondary), CRect(1920, 100, 3200, 1124));

    // Above the second monitor, where no monitor is: nothing, the primary, or the nearest.
    const CPoint nowhere(2500, 20);
    EXPECT_EQ(MonitorFromPoint(nowhere, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(nowhere, MONITOR_DEFAULTTOPRIMARY), primary);
    EXPECT_EQ(MonitorFromPoint(nowhere, MONITOR_DEFAULTTONEAREST), secondary);
    EXPECT_EQ(MonitorFromPoint(CPoint(-50, 500), MONITOR_DEFAULTTONEAREST), primary);

    // A rectangle belongs to the monitor it overlaps most.
    const CRect straddling(1800, 200, 2100, 400);
    EXPECT_EQ(MonitorFromRect(&straddling, MONITOR_DEFAULTTONULL), secondary);
    const CRect off(-500, -500, -400, -400);
    EXPECT_EQ(MonitorFromRect(&off, MONITOR_DEFAULTTONEAREST), primary);
}

TEST_F(TwoMonitors, MetricsDescribeThePrimaryAndTheVirtualScreen) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1124);
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(CRect(work), CRect(0, 0, 1920, 1040));
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(CRect(desktop), CRect(0, 0, 3200, 1124));
}

TEST(Screen, MetricsColoursAndResolutionAreConfigurable) {
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CXDRAG), 4);
    SetSystemMetric(SM_CXDRAG, 9);
    EXPECT_EQ(GetSystemMetrics(SM_CXDRAG), 9);
    SetSystemMetric(SM_CXDRAG, 4);

    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    static int changes;
    changes = 0;
    const WNDPROC counting = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        changes += message == WM_SYSCOLORCHANGE;
        return DefWindowProc(hwnd, message, wParam, lParam);
    };
    const HWND hwnd = CreateWindowEx(0, TestWindowClass("VornuiTestColours", counting), "",
                                     WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const INT element = COLOR_HIGHLIGHT;
    const COLORREF before = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF red = RGB(200, 0, 0);
    SetSysColors(1, &element, &red);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), red);
    EXPECT_EQ(changes, 1);
    SetSysColors(1, &element, &before);
    DestroyWindow(hwnd);

    EXPECT_EQ(GetScreenDpi(), 96);
    EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(8, 16));
    // The dialog font is measured from its glyphs, as dialog base units are.
    const FontCharMetrics dialogFont = MeasureFont("MS Shell Dlg", 8);
    EXPECT_EQ(dialogFont.averageWidth, MeasuredWithDC(8, 96).averageWidth);
    EXPECT_EQ(dialogFont.height, MeasuredWithDC(8, 96).height);
    SetScreenDpi(144);
    EXPECT_EQ(MeasureFont("MS Shell Dlg", 8).height, MeasuredWithDC(8, 144).height);
    EXPECT_GT(MeasureFont("MS Shell Dlg", 8).height, dialogFont.height);
    EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(12, 24));
    SetScreenDpi(96);

    const FontMetricsProvider previous = SetFontMetricsProvider([](const char*, int, int) {
        return FontCharMetrics{7, 15};
    });
    EXPECT_EQ(MeasureFont("DejaVu Sans", 8).averageWidth, 7);
    SetFontMetricsProvider(previous);
    EXPECT_EQ(MulDiv(7, 3, 2), 11); // halves round away from zero
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
