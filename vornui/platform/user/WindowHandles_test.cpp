#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* HandleTestClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "VornuiTestHandles";
        RegisterClass(&wc);
        return "VornuiTestHandles";
    }();
    return name;
}

HWND NewWindow() {
    return CreateWindowEx(0, HandleTestClass(), "", WS_OVERLAPPED, 0, 0, 30, 30, nullptr, nullptr,
                          nullptr, nullptr);
}

// Lets the loop free what destroyed windows left behind.
void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
}

} // namespace

TEST(WindowHandles, ADestroyedWindowsHandleStaysDeadWhenItsPlaceIsTaken) {
    std::vector<HWND> destroyed;
    for (int round = 0; round < 40; ++round) {
        const HWND hwnd = NewWindow();
        ASSERT_NE(hwnd, nullptr);
        for (HWND old : destroyed) {
            ASSERT_NE(old, hwnd);
            ASSERT_FALSE(IsWindow(old));
        }
        ASSERT_TRUE(DestroyWindow(hwnd));
        Pump();
        destroyed.push_back(hwnd);
    }
    const HWND live = NewWindow();
    for (HWND old : destroyed) {
        EXPECT_FALSE(IsWindow(old));
        EXPECT_FALSE(SetWindowText(old, "stale"));
        EXPECT_EQ(GetWindowLong(old, GWL_STYLE), 0);
    }
    EXPECT_TRUE(IsWindow(live));
    DestroyWindow(live);
}
