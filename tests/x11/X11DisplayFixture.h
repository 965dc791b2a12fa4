#pragma once

// A test with an Xvfb server of its own, the X11 display open on it and a person at that
// server; skipped where Xvfb is not installed.

#include "tests/x11/XPerson.h"
#include "tests/x11/XvfbServer.h"

#include "vornui/platform/SystemSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// Dispatches the calling thread's messages until none waits.
void Pump();
// Pumps the thread's messages until `done`, for at most five seconds.
bool PumpUntil(const std::function<bool()>& done);

class X11DisplayFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A visible overlapped frame "Survey frame" at 100, 100, 320 x 240.
    HWND ShowFrame();

    std::vector<ScreenMonitor> m_monitors;
    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<XPerson> m_person;
    HWND m_frame = nullptr;
};
