#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

namespace {

HWND TopLevel(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    return CreateWindowEx(0, TestWindowClass("VornuiTestPlain"), "Frame", style, 100, 100, 400, 300,
                          nullptr, nullptr, nullptr, nullptr);
}

HWND Child(HWND parent, const char* className, const char* text, int id, DWORD style,
           CRect rect = CRect(10, 10, 60, 30)) {
    return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                          rect.Width(), rect.Height(), parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

CRect WindowRectOf(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

CRect ClientRectOf(HWND hwnd) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    return rect;
}

// Shrinks every proposed size to at most 50 pixels wide.
LRESULT NarrowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        pos->cx = std::min(pos->cx, 50);
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Refuses every move and every change of size.
LRESULT PinnedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING)
        reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOMOVE | SWP_NOSIZE;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Tells the system the window wants to stay between 200x150 and 500x400 pixels.
LRESULT BoundedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{200, 150};
        info->ptMaxTrackSize = POINT{500, 400};
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace

TEST(Windows, ChildrenStackInCreationOrderAndTabSkipsWhatCannotTakeFocus) {
    const HWND frame = TopLevel();
    const HWND label = Child(frame, "Static", "Name:", 0xFFFF, 0);
    const HWND edit = Child(frame, "Edit", "", 10, WS_TABSTOP);
    const HWND check = Child(frame, "Button", "Tide", 11, WS_TABSTOP | BS_AUTOCHECKBOX);
    const HWND disabled = Child(frame, "Button", "Off", 12, WS_TABSTOP | WS_DISABLED);
    const HWND ok = Child(frame, "Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON);

    EXPECT_EQ(GetWindow(frame, GW_CHILD), label);
    EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), edit);
    EXPECT_EQ(GetWindow(ok, GW_HWNDPREV), disabled);
    EXPECT_EQ(GetWindow(edit, GW_HWNDLAST), ok);
    EXPECT_EQ(GetDlgItem(frame, 11), check);
    EXPECT_EQ(GetDlgCtrlID(check), 11);
    EXPECT_EQ(GetParent(check), frame);

    EXPECT_EQ(GetNextDlgTabItem(frame, nullptr, FALSE), edit);
    EXPECT_EQ(GetNextDlgTabItem(frame, edit, FALSE), check);
    EXPECT_EQ(GetNextDlgTabItem(frame, check, FALSE), ok); // the disabled button is skipped
    EXPECT_EQ(GetNextDlgTabItem(frame, ok, FALSE), edit);  // and round again
    EXPECT_EQ(GetNextDlgTabItem(frame, edit, TRUE), ok);

    SetWindowPos(ok, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(frame, GW_CHILD), ok);
    EXPECT_EQ(GetNextDlgTabItem(frame, nullptr, FALSE), ok);
    SetWindowPos(ok, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(frame, GW_CHILD), label);
    EXPECT_EQ(GetWindow(disabled, GW_HWNDNEXT), ok);
    DestroyWindow(frame);
}

TEST(Windows, RectanglesFollowTheFrameAndConvertBetweenCoordinateSystems) {
    const HWND frame = TopLevel();
    EXPECT_EQ(WindowRectOf(frame), CRect(100, 100, 500, 400));
    // A sizing frame of 4 pixels and a caption of 23.
    EXPECT_EQ(ClientRectOf(frame), CRect(0, 0, 392, 269));
    CPoint origin(0, 0);
    ClientToScreen(frame, &origin);
    EXPECT_EQ(origin, CPoint(104, 127));

    CRect adjusted(0, 0, 392, 269);
    AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(adjusted, CRect(-4, -27, 396, 273));

    const HWND child =
        Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, WS_BORDER, CRect(10, 20, 60, 50));
    EXPECT_EQ(WindowRectOf(child), CRect(114, 147, 164, 177));
    EXPECT_EQ(ClientRectOf(child), CRect(0, 0, 48, 28));
    CPoint inside(115, 148);
    ScreenToClient(child, &inside);
    EXPECT_EQ(inside, CPoint(0, 0));
    CPoint mapped(0, 0);
    MapWindowPoints(child, frame, &mapped, 1);
    EXPECT_EQ(mapped, CPoint(11, 21));

    EXPECT_EQ(WindowFromPoint(CPoint(130, 160)), child);
    EXPECT_EQ(WindowFromPoint(CPoint(300, 300)), frame);
    EXPECT_EQ(WindowFromPoint(CPoint(5000, 5000)), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(frame, CPoint(20, 30)), child);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(CPoint(130, 160)), frame);

    // A static label lets the pointer through to its parent.
    const HWND label = Child(frame, "Static", "Depth", 2, 0, CRect(200, 20, 260, 40));
    EXPECT_EQ(WindowFromPoint(CPoint(104 + 210, 127 + 25)), frame);
    SetWindowLong(label, GWL_STYLE, GetWindowLong(label, GWL_STYLE) | SS_NOTIFY);
    EXPECT_EQ(WindowFromPoint(CPoint(104 + 210, 127 + 25)), label);

    // Children move with their parent.
    MoveWindow(frame, 0, 0, 400, 300, TRUE);
    EXPECT_EQ(WindowRectOf(label), CRect(204, 47, 264, 67));
    DestroyWindow(frame);
}

TEST(Windows, MovesSendChangingChangedAndThenMoveAndSize) {
    const HWND frame = TopLevel();
    const HWND child = Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, 0);
    WindowSpy spy;
    spy.Watch(child, "child");

    MoveWindow(child, 5, 6, 70, 40, TRUE);
    EXPECT_EQ(spy.Log(), (std::vector<std::string>{
                             "child:WM_WINDOWPOSCHANGING", "child:WM_NCCALCSIZE",
                             "child:WM_WINDOWPOSCHANGED", "child:WM_MOVE", "child:WM_SIZE"}));
    spy.Clear();
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(spy.Log(), (std::vector<std::string>{"child:WM_WINDOWPOSCHANGING",
                                                   "child:WM_WINDOWPOSCHANGED"}));

    const HWND other = Child(frame, TestWindowClass("VornuiTestPlain"), "", 2, 0);
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, child, nullptr, 1, 2, 30, 40, SWP_NOZORDER);
    batch = DeferWindowPos(batch, other, nullptr, 50, 60, 70, 80, SWP_NOZORDER);
    ASSERT_NE(batch, nullptr);
    CRect parentOrigin = WindowRectOf(frame);
    EXPECT_EQ(WindowRectOf(child).Width(), 70); // nothing moves before the end
    EXPECT_TRUE(EndDeferWindowPos(batch));
    CRect moved = WindowRectOf(other);
    MapWindowPoints(nullptr, frame, reinterpret_cast<LPPOINT>(&moved), 2);
    EXPECT_EQ(moved, CRect(50, 60, 120, 140));
    EXPECT_EQ(WindowRectOf(child).Size(), CSize(30, 40));
    EXPECT_EQ(WindowRectOf(frame), parentOrigin);

    // The window itself may change the proposed position.
    SetWindowLongPtr(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NarrowProc));
    MoveWindow(other, 0, 0, 200, 20, TRUE);
    EXPECT_EQ(WindowRectOf(other).Width(), 50);
    // ... or refuse it with SWP_NOMOVE and SWP_NOSIZE, and still be shown.
    ShowWindow(other, SW_HIDE);
    const CRect pinned = WindowRectOf(other);
    SetWindowLongPtr(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PinnedProc));
    SetWindowPos(other, nullptr, 3, 4, 300, 30, SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(WindowRectOf(other), pinned);
    EXPECT_TRUE(IsWindowVisible(other));
    DestroyWindow(frame);
}

TEST(Windows, SizableWindowsStayWithinTheirTrackingSize) {
    const HWND frame =
        CreateWindowEx(0, TestWindowClass("VornuiTestBounded", BoundedProc), "Bounded",
                       WS_OVERLAPPEDWINDOW, 10, 10, 100, 100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(WindowRectOf(frame).Size(), CSize(200, 150));
    MoveWindow(frame, 10, 10, 900, 900, TRUE);
    EXPECT_EQ(WindowRectOf(frame).Size(), CSize(500, 400));
    MoveWindow(frame, 10, 10, 300, 250, TRUE);
    EXPECT_EQ(WindowRectOf(frame).Size(), CSize(300, 250));

    // A child without a sizing frame takes any size.
    const HWND child = CreateWindowEx(0, "VornuiTestBounded", "", WS_CHILD, 0, 0, 20, 10, frame,
                                      nullptr, nullptr, nullptr);
    EXPECT_EQ(WindowRectOf(child).Size(), CSize(20, 10));
    MoveWindow(child, 0, 0, 900, 5, TRUE);
    EXPECT_EQ(WindowRectOf(child).Size(), CSize(900, 5));
    DestroyWindow(frame);
    UnregisterClass("VornuiTestBounded", nullptr);
}

TEST(Windows, StyleChangesAreAnnouncedAndTheFrameFollowsOnFrameChanged) {
    const HWND frame = TopLevel();
    const HWND child =
        Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, 0, CRect(0, 0, 100, 50));
    WindowSpy spy;
    spy.Watch(child, "child");
    SetWindowLong(child, GWL_STYLE, GetWindowLong(child, GWL_STYLE) | WS_BORDER);
    EXPECT_EQ(spy.Log(),
              (std::vector<std::string>{"child:WM_STYLECHANGING", "child:WM_STYLECHANGED"}));
    EXPECT_EQ(ClientRectOf(child), CRect(0, 0, 100, 50)); // the frame waits for SWP_FRAMECHANGED
    SetWindowPos(child, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(ClientRectOf(child), CRect(0, 0, 98, 48));

    SetWindowLong(child, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(child, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(ClientRectOf(child), CRect(0, 0, 94, 44));
    EXPECT_TRUE(ShowScrollBar(child, SB_VERT, TRUE));
    EXPECT_EQ(ClientRectOf(child).Width(), 94 - GetSystemMetrics(SM_CXVSCROLL));
    DestroyWindow(frame);
}

TEST(Windows, DestructionReachesEveryWindowOnceParentsFirstAndChildrenLast) {
    const HWND frame = TopLevel();
    const HWND first = Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, 0);
    const HWND second = Child(frame, TestWindowClass("VornuiTestPlain"), "", 2, 0);
    const HWND inner = Child(first, TestWindowClass("VornuiTestPlain"), "", 3, 0);
    WindowSpy spy;
    spy.Watch(frame, "frame");
    spy.Watch(first, "first");
    spy.Watch(second, "second");
    spy.Watch(inner, "inner");

    EXPECT_TRUE(DestroyWindow(frame));
    EXPECT_EQ(
        spy.Log({WM_DESTROY, WM_NCDESTROY}),
        (std::vector<std::string>{"frame:WM_DESTROY", "first:WM_DESTROY", "inner:WM_DESTROY",
                                  "second:WM_DESTROY", "inner:WM_NCDESTROY", "first:WM_NCDESTROY",
                                  "second:WM_NCDESTROY", "frame:WM_NCDESTROY"}));
    for (HWND gone : {frame, first, second, inner})
        EXPECT_FALSE(IsWindow(gone));
    EXPECT_FALSE(DestroyWindow(frame));
}

TEST(Windows, OwnedWindowsGoFirstAndParentsHearOfChildren) {
    const HWND owner = TopLevel();
    const HWND popup = CreateWindowEx(0, TestWindowClass("VornuiTestPlain"), "Popup", WS_POPUP, 0,
                                      0, 50, 50, owner, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner); // a top-level window's "parent" is its owner
    WindowSpy spy;
    spy.Watch(owner, "owner");
    spy.Watch(popup, "popup");
    const HWND child = Child(owner, TestWindowClass("VornuiTestPlain"), "", 7, 0);
    EXPECT_EQ(spy.Log(), (std::vector<std::string>{"owner:WM_PARENTNOTIFY"}));
    spy.Clear();
    DestroyWindow(owner);
    EXPECT_EQ(spy.Log({WM_DESTROY, WM_PARENTNOTIFY}),
              (std::vector<std::string>{"popup:WM_DESTROY", "owner:WM_DESTROY"}));
    EXPECT_FALSE(IsWindow(child));
}

TEST(Windows, SubclassingReplacesTheProcedureAndCallWindowProcPassesOn) {
    static WNDPROC original = nullptr;
    static int seen;
    seen = 0;
    struct Upper {
        static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_CHAR) {
                ++seen;
                wParam = static_cast<WPARAM>(std::toupper(static_cast<int>(wParam)));
            }
            return CallWindowProc(original, hwnd, message, wParam, lParam);
        }
    };
    const HWND frame = TopLevel();
    const HWND edit = Child(frame, "Edit", "", 5, 0);
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Upper::Proc)));
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(GetWindowLongPtr(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Upper::Proc));
    for (char ch : std::string("tide"))
        SendMessage(edit, WM_CHAR, static_cast<WPARAM>(ch), 1);
    char text[16];
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "TIDE");
    EXPECT_EQ(seen, 4);
    SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SendMessage(edit, WM_CHAR, 'x', 1);
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "TIDEx");
    EXPECT_EQ(seen, 4);
    DestroyWindow(frame);
}

TEST(Windows, PlacementKeepsTheNormalRectangleWhileMaximized) {
    const HWND frame = TopLevel();
    ShowWindow(frame, SW_SHOWNORMAL);
    ShowWindow(frame, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(frame));
    EXPECT_EQ(ClientRectOf(frame).Width(), 1920);
    WINDOWPLACEMENT placement{sizeof placement, 0, 0, {}, {}, {}};
    ASSERT_TRUE(GetWindowPlacement(frame, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(100, 100, 500, 400));
    ShowWindow(frame, SW_RESTORE);
    EXPECT_EQ(WindowRectOf(frame), CRect(100, 100, 500, 400));

    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = CRect(10, 20, 310, 220);
    ASSERT_TRUE(SetWindowPlacement(frame, &placement));
    EXPECT_EQ(WindowRectOf(frame), CRect(10, 20, 310, 220));
    EXPECT_TRUE(IsWindowVisible(frame));
    DestroyWindow(frame);
}

TEST(Windows, TextAndDataRoundTripThroughMessages) {
    const HWND frame = TopLevel();
    EXPECT_EQ(GetWindowTextLength(frame), 5);
    SetWindowText(frame, "Port settings");
    char small[5];
    EXPECT_EQ(GetWindowText(frame, small, sizeof small), 4); // truncated, terminated
    EXPECT_STREQ(small, "Port");
    char name[32];
    EXPECT_EQ(GetClassName(frame, name, sizeof name), 15);
    EXPECT_STREQ(name, "VornuiTestPlain");
    EXPECT_EQ(SetWindowLongPtr(frame, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(GetWindowLongPtr(frame, GWLP_USERDATA), 42);
    EXPECT_EQ(GetWindowLongPtr(frame, 0), 0); // no extra bytes in this class
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    EXPECT_EQ(
        CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    DestroyWindow(frame);
}

TEST(Windows, InvalidAreasWaitForPaintAndScrollBarsKeepTheirPositions) {
    const HWND frame = TopLevel();
    const HWND child =
        Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, WS_VSCROLL, CRect(0, 0, 100, 100));
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) // showing left everything to paint
        DispatchMessage(&msg);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));

    WindowSpy spy;
    spy.Watch(child, "child");
    const RECT corner{10, 10, 20, 20};
    InvalidateRect(child, &corner, TRUE);
    const RECT other{30, 5, 40, 15};
    InvalidateRect(child, &other, FALSE);
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(10, 5, 40, 20));
    ASSERT_TRUE(PeekMessage(&msg, child, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child);
    UpdateWindow(child); // paints at once; the default procedure erases, then validates
    EXPECT_EQ(spy.Log(), (std::vector<std::string>{"child:WM_PAINT", "child:0x0014"}));
    EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));
    EXPECT_FALSE(PeekMessage(&msg, child, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_VALIDATE);
    EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));

    // Asking for the update area may erase it at once, only once; so may RedrawWindow.
    spy.Clear();
    InvalidateRect(child, &corner, TRUE);
    ASSERT_TRUE(GetUpdateRect(child, &update, TRUE));
    ASSERT_TRUE(GetUpdateRect(child, &update, TRUE));
    EXPECT_EQ(spy.Log({WM_ERASEBKGND}).size(), 1u);
    RedrawWindow(child, &corner, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(spy.Log({WM_ERASEBKGND}).size(), 2u);
    ValidateRect(child, nullptr);

    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 20, 95, 0};
    EXPECT_EQ(SetScrollInfo(child, SB_VERT, &info, TRUE), 80); // the last page starts at 80
    EXPECT_EQ(SetScrollPos(child, SB_VERT, 10, TRUE), 80);
    int low = 0;
    int high = 0;
    ASSERT_TRUE(GetScrollRange(child, SB_VERT, &low, &high));
    EXPECT_EQ(high, 99);
    EXPECT_EQ(GetScrollPos(child, SB_VERT), 10);
    DestroyWindow(frame);
}

TEST(Windows, TheDisplayHearsOfTopLevelWindowsOnly) {
    struct RecordingDisplay : IDesktopDisplay {
        std::vector<std::string> events;
        HWND watched = nullptr;
        void TopLevelChanged(HWND window) override {
            events.push_back(window == watched ? "changed" : "other");
        }
        void TopLevelDestroyed(HWND window) override {
            events.push_back(window == watched ? "destroyed" : "other");
        }
        void ContentInvalidated(HWND) override { events.push_back("invalid"); }
    } display;
    IDesktopDisplay* previous = SetDesktopDisplay(&display);
    const HWND frame = TopLevel(WS_OVERLAPPEDWINDOW);
    display.watched = frame;
    const HWND child = Child(frame, TestWindowClass("VornuiTestPlain"), "", 1, 0);
    display.events.clear();
    ShowWindow(frame, SW_SHOW);
    MoveWindow(child, 1, 1, 20, 20, FALSE); // a child: no news for the display
    MoveWindow(frame, 5, 5, 300, 200, FALSE);
    SetWindowPos(frame, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    DestroyWindow(frame);
    EXPECT_EQ(display.events,
              (std::vector<std::string>{"invalid", "changed", "changed", "changed", "destroyed"}));
    EXPECT_EQ(SetDesktopDisplay(previous), &display);
}
