#include "tests/x11/X11DisplayFixture.h"

#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"

#include <chrono>
#include <thread>

void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (Pump(); !done(); Pump()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void X11DisplayFixture::SetUp() {
    if (!XvfbServer::Installed())
        GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb): the X11 display "
                        "cannot be tested here";
    m_monitors = GetScreenMonitors();
    m_server =
        std::make_unique<XvfbServer>(std::vector<std::string>{"-screen", "0", "1280x1024x24"});
    ASSERT_FALSE(m_server->display().empty()) << m_server->failure();
    DesktopDisplaySettings settings;
    settings.server = m_server->display();
    ASSERT_TRUE(OpenDesktopDisplay("x11", settings));
    m_person = std::make_unique<XPerson>(m_server->display());
    ASSERT_TRUE(m_person->connected());
}

void X11DisplayFixture::TearDown() {
    if (m_frame)
        DestroyWindow(m_frame);
    CloseDesktopDisplay();
    if (!m_monitors.empty())
        SetScreenMonitors(m_monitors);
}

HWND X11DisplayFixture::ShowFrame() {
    m_frame = CreateWindowEx(0, TestWindowClass("VornuiX11Frame"), "Survey frame",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 240, nullptr, nullptr,
                             nullptr, nullptr);
    Pump();
    return m_frame;
}
