#include "tests/TestWindowClass.h"

#include "vornui/platform/CRect.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

namespace {

CRect WindowRectOf(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

} // namespace

TEST(WindowPlacement, OnlyAWholeRecordIsAppliedAndTheWindowStaysOnAMonitor) {
    const std::vector<ScreenMonitor> monitors = GetScreenMonitors();
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
                       ScreenMonitor{CRect(-1280, 0, 0, 1024), CRect(-1280, 0, 0, 1024), false}});
    const HWND frame =
        CreateWindowEx(0, TestWindowClass("VornuiTestPlacement"), "Frame", WS_OVERLAPPEDWINDOW, 100,
                       100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    WINDOWPLACEMENT placement{};
    ASSERT_TRUE(GetWindowPlacement(frame, &placement));
    EXPECT_EQ(placement.length, 44u);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL)); // hidden, but normal

    placement.rcNormalPosition = CRect(10, 20, 310, 220);
    placement.length = 40;
    EXPECT_FALSE(SetWindowPlacement(frame, &placement));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WindowRectOf(frame), CRect(100, 100, 500, 400));

    // On the monitor left of the primary one it stays; wholly off every monitor it comes to
    // the nearest work area.
    placement.length = sizeof placement;
    placement.rcNormalPosition = CRect(-1000, 50, -600, 350);
    ASSERT_TRUE(SetWindowPlacement(frame, &placement));
    EXPECT_EQ(WindowRectOf(frame), CRect(-1000, 50, -600, 350));
    placement.rcNormalPosition = CRect(3000, 500, 3400, 800);
    ASSERT_TRUE(SetWindowPlacement(frame, &placement));
    EXPECT_EQ(WindowRectOf(frame), CRect(1520, 500, 1920, 800));
    placement.rcNormalPosition = CRect(-5000, -4000, -4600, -3700);
    ASSERT_TRUE(SetWindowPlacement(frame, &placement));
    EXPECT_EQ(WindowRectOf(frame), CRect(-1280, 0, -880, 300));
    DestroyWindow(frame);
    SetScreenMonitors(monitors);
}
