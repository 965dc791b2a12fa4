#include "tests/TestWindowClass.h"
#include "tests/x11/X11DisplayFixture.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// What a window heard of the wheel and of the pointer leaving it: "WM_MOUSEWHEEL <delta> at
// <x>,<y>" and "WM_MOUSELEAVE". On its first move it asks to hear when the pointer leaves.
std::vector<std::string> g_pointer;

LRESULT CALLBACK RecordPointer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEWHEEL:
        g_pointer.push_back("WM_MOUSEWHEEL " + std::to_string(short(HIWORD(wParam))) + " at " +
                            std::to_string(short(LOWORD(lParam))) + "," +
                            std::to_string(short(HIWORD(lParam))));
        return 0;
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        return 0;
    }
    case WM_MOUSELEAVE:
        g_pointer.push_back("WM_MOUSELEAVE");
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

class X11PointerInput : public X11DisplayFixture {
protected:
    // A visible popup "Pointer" at 200, 200, 200 x 100 that records the pointer.
    HWND ShowRecordingWindow() {
        m_window = CreateWindowEx(0, TestWindowClass("VornuiX11Pointer", RecordPointer), "Pointer",
                                  WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
        Pump();
        g_pointer.clear();
        return m_window;
    }

    void TearDown() override {
        if (m_window)
            DestroyWindow(m_window);
        g_pointer.clear();
        X11DisplayFixture::TearDown();
    }

    HWND m_window = nullptr;
};

} // namespace

TEST_F(X11PointerInput, TheWheelTurnedOverAWindowReachesItAsTheScriptedUsersDoes) {
    const HWND window = ShowRecordingWindow();
    ASSERT_NE(m_person->AwaitWindow("Pointer"), 0u);
    ASSERT_EQ(GetFocus(), window);
    {
        CScriptedUser user;
        user.Wheel(POINT{300, 250}, WHEEL_DELTA).Wheel(POINT{300, 250}, -WHEEL_DELTA);
        ASSERT_TRUE(user.ActIn(window));
    }
    const std::vector<std::string> scripted = std::exchange(g_pointer, {});
    EXPECT_EQ(scripted, (std::vector<std::string>{"WM_MOUSEWHEEL 120 at 300,250",
                                                  "WM_MOUSEWHEEL -120 at 300,250"}));

    // X buttons 4 and 5 are the wheel's notches away from and towards the person.
    m_person->MoveTo(300, 250);
    for (const int button : {4, 5}) {
        m_person->Button(button, true);
        m_person->Button(button, false);
    }
    EXPECT_TRUE(PumpUntil([&] { return g_pointer.size() >= scripted.size(); }));
    EXPECT_EQ(g_pointer, scripted);
}

TEST_F(X11PointerInput, ThePointerLeavingATrackedWindowGivesItWmMouseLeave) {
    ShowRecordingWindow();
    ASSERT_NE(m_person->AwaitWindow("Pointer"), 0u);
    m_person->MoveTo(300, 250);
    m_person->MoveTo(310, 255);
    POINT cursor{};
    EXPECT_TRUE(PumpUntil([&] { return GetCursorPos(&cursor) && cursor.x == 310; }));
    EXPECT_TRUE(g_pointer.empty());

    // Out onto the bare screen, where no window of the program is.
    m_person->MoveTo(700, 600);
    EXPECT_TRUE(PumpUntil([&] { return !g_pointer.empty(); }));
    EXPECT_EQ(g_pointer, std::vector<std::string>{"WM_MOUSELEAVE"});
}
