#include "vornui/layout/RememberDlgPos.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSection = "Progress";

// A top-level window on a desktop whose monitors the test chooses, with an application
// profile in memory.
class Placement : public testing::Test {
protected:
    void SetUp() override {
        m_monitors = GetScreenMonitors();
        ASSERT_TRUE(m_wnd.CreateEx(0, "Static", "Progress", WS_POPUP | WS_CAPTION, 20, 30, 300, 200,
                                   nullptr, nullptr));
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        SetScreenMonitors(m_monitors);
    }
    void Save(int left, int top, int right, int bottom) {
        m_app.WriteProfileInt(kSection, "Left", left);
        m_app.WriteProfileInt(kSection, "Top", top);
        m_app.WriteProfileInt(kSection, "Right", right);
        m_app.WriteProfileInt(kSection, "Bottom", bottom);
    }
    CRect WindowRect() const {
        CRect rect;
        m_wnd.GetWindowRect(&rect);
        return rect;
    }

    CWinApp m_app{"Survey"};
    CWnd m_wnd;
    std::vector<ScreenMonitor> m_monitors;
};

} // namespace

TEST_F(Placement, ARestoredWindowIsCentredOnItsSavedRectangle) {
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true}});
    Save(100, 100, 500, 400);
    RememberDlgPos position;
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(150, 150, 450, 350));
    EXPECT_EQ(WindowRect(), CRect(150, 150, 450, 350));

    // Where the work area does not start at the monitor's corner, the saved rectangle is
    // in work-area coordinates.
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 40, 1920, 1080), true}});
    Save(100, 100, 400, 300);
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(100, 120, 400, 320));
}

TEST_F(Placement, AWindowSavedOnAMissingMonitorComesToTheNearestWorkArea) {
    SetScreenMonitors(
        {ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
         ScreenMonitor{CRect(1920, 0, 3840, 1080), CRect(1920, 0, 3840, 1080), false}});
    Save(4000, 100, 4300, 300); // right of both monitors
    RememberDlgPos position;
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(1920, 0, 2220, 200));
    // A corner above the screen is brought down to 0 first, and then lies on the monitor.
    Save(300, -500, 600, -300);
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(300, 0, 600, 200));
}

TEST_F(Placement, AWindowOnAMonitorLeftOfThePrimaryComesBackToItsPlace) {
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
                       ScreenMonitor{CRect(-1920, 0, 0, 1080), CRect(-1920, 0, 0, 1080), false}});
    m_wnd.MoveWindow(-1500, 100, 300, 200);
    m_wnd.ShowWindow(SW_SHOWNORMAL);
    RememberDlgPos position;
    position.SaveWindowPosition(kSection, &m_wnd);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt(kSection, "Left", 0)), -1500);
    m_wnd.MoveWindow(0, 0, 300, 200);
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(-1500, 100, -1200, 300));
    EXPECT_EQ(WindowRect(), CRect(-1500, 100, -1200, 300));
}

TEST_F(Placement, WithoutSavedEntriesTheWindowStays) {
    RememberDlgPos position;
    EXPECT_EQ(position.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(20, 30, 320, 230));
    EXPECT_EQ(WindowRect(), CRect(20, 30, 320, 230));
    m_app.WriteProfileInt(kSection, "Left", 100); // incomplete
    position.RestoreWindowPosition(kSection, &m_wnd, false);
    EXPECT_EQ(WindowRect(), CRect(20, 30, 320, 230));
    position.SaveWindowPosition(kSection, nullptr); // nothing happens
    EXPECT_EQ(m_app.GetProfileInt(kSection, "Top", 7), 7u);
}

TEST_F(Placement, SavedPositionsAndShowStateComeBack) {
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true}});
    m_wnd.MoveWindow(200, 150, 300, 200);
    m_wnd.ShowWindow(SW_SHOWNORMAL); // a dialog is saved as it closes, while shown
    RememberDlgPos position;
    position.SaveWindowPosition(kSection, &m_wnd);
    EXPECT_EQ(m_app.GetProfileInt(kSection, "Left", 0), 200u);
    EXPECT_EQ(m_app.GetProfileInt(kSection, "Top", 0), 150u);
    EXPECT_EQ(m_app.GetProfileInt(kSection, "Right", 0), 500u);
    EXPECT_EQ(m_app.GetProfileInt(kSection, "Bottom", 0), 350u);
    EXPECT_EQ(m_app.GetProfileInt(kSection, "ShowCmd", 0), static_cast<UINT>(SW_SHOWNORMAL));

    m_wnd.ShowWindow(SW_HIDE);
    m_wnd.MoveWindow(0, 0, 300, 200);
    position.RestoreWindowPosition(kSection, &m_wnd, true);
    EXPECT_EQ(WindowRect(), CRect(200, 150, 500, 350));
    EXPECT_TRUE(m_wnd.IsWindowVisible());
    // Copies carry the remembered rectangle along.
    RememberDlgPos copy = position;
    EXPECT_EQ(copy.CombinePreviousAndCurrent(kSection, &m_wnd), CRect(200, 150, 500, 350));
}
