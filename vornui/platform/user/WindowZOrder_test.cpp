#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const char* ZOrderClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "VornuiTestZOrder";
        RegisterClass(&wc);
        return "VornuiTestZOrder";
    }();
    return name;
}

HWND Window(HWND parentOrOwner = nullptr, DWORD style = WS_OVERLAPPED) {
    return CreateWindowEx(0, ZOrderClass(), "", style, 0, 0, 50, 50, parentOrOwner, nullptr,
                          nullptr, nullptr);
}

// The windows of `ours` as their siblings stack, topmost first; other tests' windows may
// lie between them.
std::vector<HWND> Stack(const std::vector<HWND>& ours) {
    std::vector<HWND> stack;
    for (HWND each = GetWindow(ours.front(), GW_HWNDFIRST); each;
         each = GetWindow(each, GW_HWNDNEXT))
        if (std::find(ours.begin(), ours.end(), each) != ours.end())
            stack.push_back(each);
    return stack;
}

bool Topmost(HWND hwnd) {
    return (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Place(HWND hwnd, HWND insertAfter) {
    EXPECT_TRUE(SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
}

} // namespace

TEST(WindowZOrder, TopmostWindowsStayAboveTheOthersUntilTheyLoseTheState) {
    const HWND a = Window();
    const HWND b = Window();
    const HWND c = Window();
    const std::vector<HWND> all{a, b, c};
    EXPECT_EQ(Stack(all), (std::vector<HWND>{c, b, a}));

    Place(a, HWND_TOPMOST);
    EXPECT_TRUE(Topmost(a));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, c, b}));
    Place(b, HWND_TOP); // the top of the windows that are not topmost
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, b, c}));
    Place(c, HWND_NOTOPMOST); // no effect on a window that is not topmost
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, b, c}));

    Place(c, a); // below a topmost window and above the others: topmost too
    EXPECT_TRUE(Topmost(c));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, c, b}));
    Place(c, b); // below one that is not
    EXPECT_FALSE(Topmost(c));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, b, c}));

    Place(a, HWND_NOTOPMOST); // above every window that is not topmost
    EXPECT_FALSE(Topmost(a));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{a, b, c}));
    Place(a, HWND_TOPMOST);
    Place(a, HWND_BOTTOM); // the bottom, and no longer topmost
    EXPECT_FALSE(Topmost(a));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{b, c, a}));

    // Deferred positions take the same places.
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, c, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    batch = DeferWindowPos(batch, b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(EndDeferWindowPos(batch));
    EXPECT_TRUE(Topmost(c));
    EXPECT_EQ(Stack(all), (std::vector<HWND>{c, a, b}));
    for (HWND each : all)
        DestroyWindow(each);
}

TEST(WindowZOrder, OwnedWindowsFollowTheirOwnerAndChildrenHaveNoTopmostState) {
    const HWND owner = Window();
    const HWND owned = Window(owner, WS_POPUP);
    const HWND stranger = Window();
    ASSERT_EQ(GetWindow(owned, GW_OWNER), owner);

    Place(owner, HWND_TOPMOST); // its owned windows come along, above it
    EXPECT_TRUE(Topmost(owner));
    EXPECT_TRUE(Topmost(owned));
    EXPECT_FALSE(Topmost(stranger));
    EXPECT_EQ(Stack({owner, owned, stranger}), (std::vector<HWND>{owned, owner, stranger}));
    Place(owned, HWND_NOTOPMOST); // and its owner goes with it
    EXPECT_FALSE(Topmost(owned));
    EXPECT_FALSE(Topmost(owner));

    const HWND first = Window(owner, WS_CHILD);
    const HWND second = Window(owner, WS_CHILD);
    EXPECT_EQ(Stack({first, second}), (std::vector<HWND>{first, second}));
    Place(second, HWND_TOPMOST);
    EXPECT_FALSE(Topmost(second));
    EXPECT_EQ(Stack({first, second}), (std::vector<HWND>{second, first}));
    Place(second, HWND_NOTOPMOST);
    Place(second, HWND_BOTTOM);
    EXPECT_EQ(Stack({first, second}), (std::vector<HWND>{first, second}));
    Place(second, HWND_TOP);
    EXPECT_EQ(Stack({first, second}), (std::vector<HWND>{second, first}));
    DestroyWindow(owner);
    DestroyWindow(stranger);
}
