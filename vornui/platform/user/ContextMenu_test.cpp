// Releasing the right button asks for a context menu: the window under the pointer hears
// WM_CONTEXTMENU first and, by default, a child passes it on to its parent.

#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ContextMenuRequest {
    HWND receiver;
    HWND about;
    POINT screen;
};

std::vector<ContextMenuRequest>& Requests() {
    static std::vector<ContextMenuRequest> requests;
    return requests;
}

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU)
        Requests().push_back(
            {hwnd, reinterpret_cast<HWND>(wParam),
             POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}});
    return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST(ContextMenu, TheRightButtonsReleaseAsksTheWindowAndThenItsParent) {
    Requests().clear();
    const LPCTSTR className = TestWindowClass("VornuiTestContextMenu", RecordingProc);
    const HWND frame = CreateWindowEx(0, className, "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                                      nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowEx(0, className, "", WS_CHILD | WS_VISIBLE, 20, 30, 100, 50,
                                      frame, nullptr, nullptr, nullptr);
    const POINT inChild{100 + 25, 100 + 40};
    CScriptedUser user;
    user.ClickAt(inChild, MK_RBUTTON).ClickAt(POINT{100 + 200, 100 + 150}, MK_LBUTTON);
    ASSERT_TRUE(user.ActIn(frame));

    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[0].receiver, child);
    EXPECT_EQ(Requests()[1].receiver, frame);
    for (const ContextMenuRequest& request : Requests()) {
        EXPECT_EQ(request.about, child);
        EXPECT_EQ(request.screen.x, inChild.x);
        EXPECT_EQ(request.screen.y, inChild.y);
    }
    DestroyWindow(frame);
}

} // namespace
