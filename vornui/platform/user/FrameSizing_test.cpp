// The person sizes, moves, maximises and restores frames with the mouse, as the system's
// sizing loop lets them.

#include "tests/TestWindowClass.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/StatusBarCtrl.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
};

std::string Corners(const CRect& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

std::vector<Seen>& Log() {
    static std::vector<Seen> log;
    return log;
}

// Keeps the window at most 500 pixels wide and its height a multiple of 10, moving the
// edge being dragged.
void Clamp(WPARAM edge, RECT& rect) {
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const int width = std::min<int>(rect.right - rect.left, 500);
    const int height = (rect.bottom - rect.top) / 10 * 10;
    if (left)
        rect.left = rect.right - width;
    else
        rect.right = rect.left + width;
    if (top)
        rect.top = rect.bottom - height;
    else
        rect.bottom = rect.top + height;
}

LRESULT ClampingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
    case WM_GETMINMAXINFO:
    case WM_SIZE:
    case WM_MOVING:
    case WM_SYSCOMMAND:
        Log().push_back(Seen{message, wParam});
        break;
    case WM_SIZING:
        Log().push_back(Seen{message, wParam});
        Clamp(wParam, *reinterpret_cast<RECT*>(lParam));
        return TRUE;
    default:
        break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND Frame(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    return CreateWindowEx(0, TestWindowClass("VornuiTestClampingFrame", ClampingProc), "Frame",
                          style, 100, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
}

CRect WindowRectOf(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The window rectangle as text, "left,top,right,bottom", readable when it differs.
std::string Placed(HWND hwnd) {
    return Corners(WindowRectOf(hwnd));
}

LRESULT HitAt(HWND hwnd, int x, int y) {
    return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

std::vector<UINT> Messages() {
    std::vector<UINT> messages;
    for (const Seen& seen : Log())
        messages.push_back(seen.message);
    return messages;
}

} // namespace

TEST(FrameSizing, DefWindowProcHitTestsEveryPartOfTheFrame) {
    const HWND frame = Frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    const CRect rect = WindowRectOf(frame);
    const int mid = rect.CenterPoint().x;
    const int middle = rect.CenterPoint().y;
    EXPECT_EQ(HitAt(frame, rect.left + 1, middle), HTLEFT);
    EXPECT_EQ(HitAt(frame, rect.right - 1, middle), HTRIGHT);
    EXPECT_EQ(HitAt(frame, mid, rect.top + 1), HTTOP);
    EXPECT_EQ(HitAt(frame, mid, rect.bottom - 1), HTBOTTOM);
    EXPECT_EQ(HitAt(frame, rect.left, rect.top), HTTOPLEFT);
    EXPECT_EQ(HitAt(frame, rect.right - 1, rect.top + 2), HTTOPRIGHT);
    EXPECT_EQ(HitAt(frame, rect.left + 2, rect.bottom - 1), HTBOTTOMLEFT);
    EXPECT_EQ(HitAt(frame, rect.right - 1, rect.bottom - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(frame, mid, rect.top + 15), HTCAPTION);
    EXPECT_EQ(HitAt(frame, mid, middle), HTCLIENT);
    EXPECT_EQ(HitAt(frame, rect.right - 4 - 8, middle), HTVSCROLL);
    EXPECT_EQ(HitAt(frame, mid, rect.bottom - 4 - 8), HTHSCROLL);
    EXPECT_EQ(HitAt(frame, rect.right - 4 - 8, rect.bottom - 4 - 8), HTGROWBOX);
    EXPECT_EQ(HitAt(frame, rect.right - 4 - 10, rect.top + 15), HTCLOSE);
    EXPECT_EQ(HitAt(frame, rect.right - 4 - 30, rect.top + 15), HTMAXBUTTON);
    EXPECT_EQ(HitAt(frame, rect.right - 4 - 50, rect.top + 15), HTMINBUTTON);
    EXPECT_EQ(HitAt(frame, rect.left - 5, middle), HTNOWHERE);

    // A fixed frame has no sizing edges, only a border.
    const HWND fixed = Frame(WS_POPUP | WS_BORDER | WS_VISIBLE);
    const CRect box = WindowRectOf(fixed);
    EXPECT_EQ(HitAt(fixed, box.left, box.CenterPoint().y), HTBORDER);
    EXPECT_EQ(HitAt(fixed, box.left, box.top), HTBORDER);
    EXPECT_EQ(HitAt(fixed, box.CenterPoint().x, box.CenterPoint().y), HTCLIENT);
    DestroyWindow(fixed);
    DestroyWindow(frame);
    EXPECT_EQ(HitAt(frame, mid, middle), 0);
}

TEST(FrameSizing, EachEdgeAndCornerDragsThroughTheSizingLoopAndTheClampHolds) {
    const HWND frame = Frame();
    struct Drag {
        int hit;
        int dx;
        int dy;
        UINT edge;
        CRect expected;
    };
    // From (100, 100, 500, 400): 150 pixels wider would be 550, held to 500; 35 higher
    // would be 335, held to 330.
    const Drag drags[] = {
        {HTLEFT, -150, 0, WMSZ_LEFT, CRect(0, 100, 500, 400)},
        {HTRIGHT, 150, 0, WMSZ_RIGHT, CRect(100, 100, 600, 400)},
        {HTTOP, 0, -35, WMSZ_TOP, CRect(100, 70, 500, 400)},
        {HTBOTTOM, 0, 35, WMSZ_BOTTOM, CRect(100, 100, 500, 430)},
        {HTTOPLEFT, -150, -35, WMSZ_TOPLEFT, CRect(0, 70, 500, 400)},
        {HTTOPRIGHT, 150, -35, WMSZ_TOPRIGHT, CRect(100, 70, 600, 400)},
        {HTBOTTOMLEFT, -150, 35, WMSZ_BOTTOMLEFT, CRect(0, 100, 500, 430)},
        {HTBOTTOMRIGHT, 150, 35, WMSZ_BOTTOMRIGHT, CRect(100, 100, 600, 430)},
    };
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.hit);
        MoveWindow(frame, 100, 100, 400, 300, TRUE);
        Log().clear();
        CScriptedUser user;
        user.DragFrame(drag.hit, drag.dx, drag.dy);
        ASSERT_TRUE(user.ActIn(frame));
        EXPECT_EQ(Placed(frame), Corners(drag.expected));
        EXPECT_EQ(Messages(), (std::vector<UINT>{WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_GETMINMAXINFO,
                                                 WM_SIZING, WM_GETMINMAXINFO, WM_SIZE, WM_SIZING,
                                                 WM_GETMINMAXINFO, WM_SIZE, WM_EXITSIZEMOVE}));
        EXPECT_EQ(Log().front().wParam, SC_SIZE + drag.edge);
        EXPECT_EQ(Log()[3].wParam, drag.edge);
    }

    // The caption moves the window as it is now; Escape puts it back.
    Log().clear();
    CScriptedUser mover;
    mover.DragFrame(HTCAPTION, 30, 40);
    ASSERT_TRUE(mover.ActIn(frame));
    EXPECT_EQ(Placed(frame), Corners(CRect(130, 140, 630, 470)));
    EXPECT_EQ(Messages(),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, WM_MOVING,
                                 WM_GETMINMAXINFO, WM_MOVING, WM_GETMINMAXINFO, WM_EXITSIZEMOVE}));
    CScriptedUser escaping;
    const CRect before = WindowRectOf(frame);
    escaping.Then([before](HWND window) {
        // All at once, as the person does it: the loop is running when Escape comes.
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        const POINT edge{before.right - 1, before.CenterPoint().y};
        PostMouseInput(thread, WM_MOUSEMOVE, edge);
        PostMouseInput(thread, WM_LBUTTONDOWN, edge);
        PostMouseInput(thread, WM_MOUSEMOVE, POINT{edge.x + 60, edge.y});
        PostKeyInput(thread, VK_ESCAPE, TRUE, '\x1B');
        PostKeyInput(thread, VK_ESCAPE, FALSE);
        PostMouseInput(thread, WM_LBUTTONUP, POINT{edge.x + 60, edge.y});
        return ModalAction::Acted;
    });
    ASSERT_TRUE(escaping.ActIn(frame));
    EXPECT_EQ(Placed(frame), Corners(before));
    DestroyWindow(frame);
}

TEST(FrameSizing, ThePersonMaximisesAndRestores) {
    const HWND frame = Frame();
    Log().clear();
    CScriptedUser user;
    user.DoubleClickCaption();
    ASSERT_TRUE(user.ActIn(frame));
    EXPECT_TRUE(IsZoomed(frame));
    CRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    RECT client;
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, work.Width());
    const auto sized = std::find_if(Log().begin(), Log().end(),
                                    [](const Seen& seen) { return seen.message == WM_SIZE; });
    ASSERT_NE(sized, Log().end());
    EXPECT_EQ(sized->wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    // A maximised frame does not size by its edges.
    const CRect maximized = WindowRectOf(frame);
    EXPECT_NE(HitAt(frame, maximized.left + 1, maximized.CenterPoint().y), HTLEFT);

    CScriptedUser again;
    again.DoubleClickCaption();
    ASSERT_TRUE(again.ActIn(frame));
    EXPECT_FALSE(IsZoomed(frame));
    EXPECT_EQ(Placed(frame), Corners(CRect(100, 100, 500, 400)));

    // The maximise box does the same with one click.
    const CRect rect = WindowRectOf(frame);
    CScriptedUser boxes;
    boxes.ClickAt(POINT{rect.right - 4 - 30, rect.top + 15});
    ASSERT_TRUE(boxes.ActIn(frame));
    EXPECT_TRUE(IsZoomed(frame));
    DestroyWindow(frame);
}

TEST(FrameSizing, TheStatusBarGripDragsItsFrame) {
    const HWND frame = Frame();
    const HWND status =
        CreateWindowEx(0, STATUSCLASSNAME, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                       frame, nullptr, nullptr, nullptr);
    CRect bar;
    GetWindowRect(status, &bar);
    const POINT grip{bar.right - 3, bar.bottom - 3};
    EXPECT_EQ(HitAt(status, grip.x, grip.y), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(status, bar.left + 3, grip.y), HTCLIENT);
    Log().clear();
    CScriptedUser user;
    user.Drag({grip, POINT{grip.x + 60, grip.y + 44}});
    ASSERT_TRUE(user.ActIn(frame));
    EXPECT_EQ(Placed(frame), Corners(CRect(100, 100, 560, 440)));
    ASSERT_GE(Log().size(), 3u);
    EXPECT_EQ(Log().front().wParam, static_cast<WPARAM>(SC_SIZE + WMSZ_BOTTOMRIGHT));
    DestroyWindow(frame);
}
