#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT WM_APP_OUTER = WM_APP + 1;
constexpr UINT WM_APP_INNER = WM_APP + 2;

// Sends itself a message from inside another and reads the current message before and after.
class NestingWindow : public CWnd {
public:
    NestingWindow() { CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr); }
    ~NestingWindow() override { DestroyWindow(); }

    std::vector<MSG> seen;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP_OUTER) {
            seen.push_back(*GetCurrentMessage());
            SendMessage(WM_APP_INNER, wParam + 1, lParam + 1);
            seen.push_back(*GetCurrentMessage());
            return 7;
        }
        if (message == WM_APP_INNER) {
            seen.push_back(*GetCurrentMessage());
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void ExpectMessage(const MSG& msg, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.message, message);
    EXPECT_EQ(msg.wParam, wParam);
    EXPECT_EQ(msg.lParam, lParam);
    EXPECT_EQ(msg.time, 0u);
    EXPECT_EQ(msg.pt.x, 0);
    EXPECT_EQ(msg.pt.y, 0);
}

} // namespace

TEST(CurrentMessage, ANestedMessageIsCurrentWhileItRunsAndTheOuterOneAgainAfter) {
    NestingWindow window;
    const MSG before = *CWnd::GetCurrentMessage();
    EXPECT_EQ(window.SendMessage(WM_APP_OUTER, 10, 20), 7);
    ASSERT_EQ(window.seen.size(), 3u);
    ExpectMessage(window.seen[0], window.m_hWnd, WM_APP_OUTER, 10, 20);
    ExpectMessage(window.seen[1], window.m_hWnd, WM_APP_INNER, 11, 21);
    ExpectMessage(window.seen[2], window.m_hWnd, WM_APP_OUTER, 10, 20);
    const MSG after = *CWnd::GetCurrentMessage();
    EXPECT_EQ(after.hwnd, before.hwnd);
    EXPECT_EQ(after.message, before.message);
    EXPECT_EQ(after.wParam, before.wParam);
    EXPECT_EQ(after.lParam, before.lParam);
}
