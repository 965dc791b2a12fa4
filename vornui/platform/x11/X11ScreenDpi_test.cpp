#include "tests/x11/X11DisplayFixture.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/SystemSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A server whose screen says it has 144 pixels to the inch.
class X11ScreenDpi : public X11DisplayFixture {
protected:
    void SetUp() override {
        X11DisplayFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_dpiBefore = GetScreenDpi();
        m_fine = std::make_unique<XvfbServer>(
            std::vector<std::string>{"-screen", "0", "1280x1024x24", "-dpi", "144"});
        ASSERT_FALSE(m_fine->display().empty()) << m_fine->failure();
    }

    void TearDown() override {
        X11DisplayFixture::TearDown();
        if (m_dpiBefore)
            SetScreenDpi(m_dpiBefore);
    }

    int m_dpiBefore = 0;
    std::unique_ptr<XvfbServer> m_fine;
};

} // namespace

TEST_F(X11ScreenDpi, TheServersResolutionLeavesTheLogicalDpiAloneUnlessTheHostAsks) {
    DesktopDisplaySettings settings;
    settings.server = m_fine->display();
    ASSERT_NE(m_dpiBefore, 144);
    ASSERT_TRUE(OpenDesktopDisplay("x11", settings));
    EXPECT_EQ(GetScreenDpi(), m_dpiBefore);
}

TEST_F(X11ScreenDpi, TheHostThatAsksGetsTheServersResolution) {
    DesktopDisplaySettings settings;
    settings.server = m_fine->display();
    settings.serverDpi = true;
    ASSERT_TRUE(OpenDesktopDisplay("x11", settings));
    EXPECT_EQ(GetScreenDpi(), 144);
}
