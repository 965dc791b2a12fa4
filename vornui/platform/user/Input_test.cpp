// The scripted user's mouse and keyboard outside modal loops: which window gets what, with
// which flags, and in which order.

#include "vornui/platform/Cursors.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/CursorShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool shiftHeld; // GetKeyState while the message was handled
    bool controlHeld;
};

std::vector<Seen>& Log() {
    static std::vector<Seen> log;
    return log;
}

bool Interesting(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_SETCURSOR ||
           message == WM_CAPTURECHANGED || message == WM_MOUSEHOVER || message == WM_NCHITTEST ||
           message == WM_MOUSELEAVE || (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Records what it gets; captures the mouse while its left button is down; asks for hover
// and leave on the first move.
LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Interesting(message))
        Log().push_back(Seen{hwnd, message, wParam, lParam, GetKeyState(VK_SHIFT) < 0,
                             GetKeyState(VK_CONTROL) < 0});
    switch (message) {
    case WM_LBUTTONDOWN:
        if (GetWindowLongPtr(hwnd, GWLP_USERDATA) & 1)
            SetCapture(hwnd);
        break;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        break;
    case WM_MOUSEMOVE:
        if (GetWindowLongPtr(hwnd, GWLP_USERDATA) & 2) {
            SetWindowLongPtr(hwnd, GWLP_USERDATA, GetWindowLongPtr(hwnd, GWLP_USERDATA) & ~2);
            TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 100};
            TrackMouseEvent(&track);
        }
        break;
    default:
        break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

const char* RegisterRecording(const char* name, UINT style, LPCTSTR cursor) {
    WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = RecordingProc;
    wc.hCursor = LoadCursor(nullptr, cursor);
    wc.lpszClassName = name;
    RegisterClass(&wc);
    return name;
}

const char* DoubleClickClass() {
    static const char* const name =
        RegisterRecording("VornuiTestInputDouble", CS_DBLCLKS, IDC_HAND);
    return name;
}

const char* SingleClickClass() {
    static const char* const name = RegisterRecording("VornuiTestInputSingle", 0, IDC_NO);
    return name;
}

std::vector<UINT> Messages(HWND hwnd, const std::vector<UINT>& only = {}) {
    std::vector<UINT> messages;
    for (const Seen& seen : Log())
        if (seen.hwnd == hwnd &&
            (only.empty() || std::find(only.begin(), only.end(), seen.message) != only.end()))
            messages.push_back(seen.message);
    return messages;
}

const Seen* First(HWND hwnd, UINT message) {
    for (const Seen& seen : Log())
        if (seen.hwnd == hwnd && seen.message == message)
            return &seen;
    return nullptr;
}

// A top-level frame with two children side by side: one that asks for double clicks,
// one that does not.
class Input : public testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        m_frame = CreateWindowEx(0, SingleClickClass(), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 100, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
        m_double = Child(DoubleClickClass(), 10, 10);
        m_single = Child(SingleClickClass(), 200, 10);
    }
    void TearDown() override { DestroyWindow(m_frame); }

    HWND Child(const char* className, int x, int y) {
        return CreateWindowEx(0, className, "", WS_CHILD | WS_VISIBLE, x, y, 150, 100, m_frame,
                              nullptr, nullptr, nullptr);
    }

    static POINT ScreenPoint(HWND hwnd, POINT client) {
        ClientToScreen(hwnd, &client);
        return client;
    }

    HWND m_frame = nullptr;
    HWND m_double = nullptr;
    HWND m_single = nullptr;
};

} // namespace

TEST_F(Input, DoubleClicksComeOnlyToClassesThatAskForThem) {
    CScriptedUser user;
    user.DoubleClickAt(ScreenPoint(m_double, POINT{20, 20}))
        .DoubleClickAt(ScreenPoint(m_single, POINT{20, 20}))
        .DoubleClickAt(ScreenPoint(m_double, POINT{30, 30}), MK_RBUTTON)
        .DoubleClickAt(ScreenPoint(m_double, POINT{40, 40}), MK_MBUTTON);
    ASSERT_TRUE(user.ActIn(m_frame));
    const std::vector<UINT> buttons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                       WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                                       WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK};
    EXPECT_EQ(Messages(m_double, buttons),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                 WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP,
                                 WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MBUTTONUP}));
    EXPECT_EQ(Messages(m_single, buttons),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(Input, HitTestThenCursorThenTheMouseMessageWithButtonAndModifierFlags) {
    CScriptedUser user;
    user.ClickAt(ScreenPoint(m_single, POINT{5, 6}), MK_RBUTTON, MOD_SHIFT | MOD_CONTROL)
        .Drag({ScreenPoint(m_double, POINT{5, 5}), ScreenPoint(m_double, POINT{9, 9})}, MK_MBUTTON,
              MOD_SHIFT);
    ASSERT_TRUE(user.ActIn(m_frame));

    // Hit test, cursor, then the press; the child asks its parent about the cursor first.
    const Seen* hit = First(m_single, WM_NCHITTEST);
    const Seen* setCursor = First(m_single, WM_SETCURSOR);
    const Seen* down = First(m_single, WM_RBUTTONDOWN);
    const Seen* parentCursor = First(m_frame, WM_SETCURSOR);
    ASSERT_TRUE(hit && setCursor && down && parentCursor);
    EXPECT_LT(hit, setCursor);
    EXPECT_LT(setCursor, parentCursor);
    EXPECT_LT(parentCursor, down);
    EXPECT_EQ(reinterpret_cast<HWND>(parentCursor->wParam), m_single);
    EXPECT_EQ(LOWORD(parentCursor->lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(setCursor->lParam), WM_MOUSEMOVE);
    EXPECT_EQ(down->wParam, static_cast<WPARAM>(MK_RBUTTON | MK_SHIFT | MK_CONTROL));
    EXPECT_EQ(down->lParam, MAKELPARAM(5, 6));
    EXPECT_TRUE(down->shiftHeld);
    EXPECT_TRUE(down->controlHeld);

    std::vector<WPARAM> dragFlags;
    for (const Seen& each : Log())
        if (each.hwnd == m_double && each.message == WM_MOUSEMOVE)
            dragFlags.push_back(each.wParam);
    ASSERT_FALSE(dragFlags.empty());
    EXPECT_EQ(dragFlags.back(), static_cast<WPARAM>(MK_MBUTTON | MK_SHIFT));
    const Seen* up = First(m_double, WM_MBUTTONUP);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->wParam, static_cast<WPARAM>(MK_SHIFT));
    // Every key and button is up again, on the desktop and for the thread.
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_MBUTTON), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(Input, TheCursorIsTheOneTheWindowUnderThePointerSets) {
    CScriptedUser user;
    CRect frame;
    GetWindowRect(m_frame, &frame);
    HCURSOR overDouble = nullptr;
    HCURSOR overSingle = nullptr;
    HCURSOR overEdge = nullptr;
    HCURSOR overCorner = nullptr;
    user.MouseMove(ScreenPoint(m_double, POINT{3, 3}))
        .Then([&](HWND) {
            overDouble = GetCursor();
            return ModalAction::Acted;
        })
        .MouseMove(ScreenPoint(m_single, POINT{3, 3}))
        .Then([&](HWND) {
            overSingle = GetCursor();
            return ModalAction::Acted;
        })
        .MouseMove(POINT{frame.left + 1, frame.CenterPoint().y})
        .Then([&](HWND) {
            overEdge = GetCursor();
            return ModalAction::Acted;
        })
        .MouseMove(POINT{frame.right - 1, frame.bottom - 1})
        .Then([&](HWND) {
            overCorner = GetCursor();
            return ModalAction::Acted;
        });
    ASSERT_TRUE(user.ActIn(m_frame));
    EXPECT_EQ(overDouble, LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(overSingle, LoadCursor(nullptr, IDC_NO));
    EXPECT_EQ(overEdge, LoadCursor(nullptr, IDC_SIZEWE));
    EXPECT_EQ(overCorner, LoadCursor(nullptr, IDC_SIZENWSE));

    // SetCursor hands back the one it replaces; ShowCursor counts.
    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    EXPECT_EQ(SetCursor(wait), overCorner);
    EXPECT_EQ(GetCursor(), wait);
    CURSORINFO info{sizeof info, 0, nullptr, {}};
    ASSERT_TRUE(GetCursorInfo(&info));
    EXPECT_EQ(info.hCursor, wait);
    EXPECT_EQ(info.flags, static_cast<DWORD>(CURSOR_SHOWING));
    EXPECT_EQ(ShowCursor(FALSE), -1);
    GetCursorInfo(&info);
    EXPECT_EQ(info.flags, 0u);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    for (LPCTSTR id : {IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEALL,
                       IDC_WAIT, IDC_HAND, IDC_NO})
        EXPECT_NE(LoadCursor(nullptr, id), nullptr);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_EQ(LoadCursor(nullptr, "arrow"), nullptr);
    EXPECT_FALSE(GetCursorInfo(nullptr));
}

TEST_F(Input, CaptureKeepsADragThatLeavesTheWindowAndNothingElseSetsTheCursor) {
    SetWindowLongPtr(m_double, GWLP_USERDATA, 1); // captures on a press
    CScriptedUser user;
    const POINT inside = ScreenPoint(m_double, POINT{20, 20});
    const POINT overOther = ScreenPoint(m_single, POINT{20, 20});
    const POINT offFrame{20, 20};
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    user.Drag({inside, overOther, offFrame});
    ASSERT_TRUE(user.ActIn(m_frame));
    EXPECT_EQ(Messages(m_single), std::vector<UINT>{});
    const std::vector<UINT> drag =
        Messages(m_double, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED});
    EXPECT_EQ(drag, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEMOVE,
                                       WM_LBUTTONUP, WM_CAPTURECHANGED}));
    // The moves outside come in the captured window's coordinates, however far away.
    std::vector<LPARAM> moves;
    for (const Seen& each : Log())
        if (each.hwnd == m_double && each.message == WM_MOUSEMOVE)
            moves.push_back(each.lParam);
    POINT expected = offFrame;
    ScreenToClient(m_double, &expected);
    EXPECT_EQ(moves.back(), MAKELPARAM(expected.x, expected.y));
    // The move and the press asked for the cursor; while captured, no window was asked:
    // the hand stayed, though the pointer went over others.
    std::vector<WORD> asked;
    for (const Seen& each : Log())
        if (each.message == WM_SETCURSOR && each.hwnd == m_double)
            asked.push_back(HIWORD(each.lParam));
    EXPECT_EQ(asked, (std::vector<WORD>{WM_MOUSEMOVE, WM_LBUTTONDOWN}));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, TrackedWindowsHearOfHoverAndLeave) {
    SetWindowLongPtr(m_single, GWLP_USERDATA, 2); // tracks on its first move
    CSteppedClock clock;                          // the rest below is a step of it
    CScriptedUser user;
    user.MouseMove(ScreenPoint(m_single, POINT{30, 30}))
        .Rest(400)
        .MouseMove(ScreenPoint(m_double, POINT{30, 30}));
    ASSERT_TRUE(user.ActIn(m_frame));
    EXPECT_EQ(Messages(m_single, {WM_MOUSEMOVE, WM_MOUSEHOVER, WM_MOUSELEAVE}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_MOUSEHOVER, WM_MOUSELEAVE}));
    EXPECT_EQ(First(m_single, WM_MOUSEHOVER)->lParam, MAKELPARAM(30, 30));

    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, nullptr);
    TRACKMOUSEEVENT wrong{0, TME_LEAVE, m_single, 0};
    EXPECT_FALSE(TrackMouseEvent(&wrong));
    EXPECT_FALSE(TrackMouseEvent(nullptr));
    TRACKMOUSEEVENT gone{sizeof gone, TME_LEAVE, reinterpret_cast<HWND>(0x1234), 0};
    EXPECT_FALSE(TrackMouseEvent(&gone));
}

TEST_F(Input, TheWheelTurnsForTheFocusWithinWhatItsMessageCarries) {
    SetFocus(m_single);
    CScriptedUser user;
    const POINT over = ScreenPoint(m_double, POINT{10, 10});
    user.Wheel(over, -WHEEL_DELTA, MOD_CONTROL).Wheel(over, 1000000).Wheel(over, INT_MIN);
    ASSERT_TRUE(user.ActIn(m_frame));
    std::vector<std::pair<int, WORD>> turns;
    for (const Seen& each : Log())
        if (each.message == WM_MOUSEWHEEL && each.hwnd == m_single)
            turns.emplace_back(GET_WHEEL_DELTA_WPARAM(each.wParam),
                               GET_KEYSTATE_WPARAM(each.wParam));
    EXPECT_EQ(turns, (std::vector<std::pair<int, WORD>>{
                         {-WHEEL_DELTA, MK_CONTROL}, {32767, 0}, {-32767, 0}}));
    EXPECT_EQ(First(m_single, WM_MOUSEWHEEL)->lParam, MAKELPARAM(over.x, over.y));
}

TEST_F(Input, KeysArriveWithTheirModifiersAndAltMakesThemSystemKeys) {
    SetFocus(m_single);
    CScriptedUser user;
    user.PressWith(MOD_ALT, 'F')
        .PressWith(MOD_CONTROL | MOD_SHIFT, VK_END)
        .PressWith(0, VK_ADD)
        .PressWith(0, VK_SUBTRACT)
        .PressWith(0, VK_MULTIPLY)
        .PressWith(0, VK_NUMPAD7)
        .PressWith(MOD_SHIFT, '2')
        .PressWith(MOD_CONTROL, 'C')
        .PressWith(0, VK_F5)
        .PressWith(0, VK_F10)
        .PressWith(0, VK_MENU);
    ASSERT_TRUE(user.ActIn(m_frame));
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Seen& each : Log())
        if (each.hwnd == m_single && each.message >= WM_KEYFIRST && each.message <= WM_KEYLAST)
            keys.emplace_back(each.message, each.wParam);
    const std::vector<std::pair<UINT, WPARAM>> expected = {{WM_SYSKEYDOWN, VK_MENU},
                                                           {WM_SYSKEYDOWN, 'F'},
                                                           {WM_SYSCHAR, 'f'},
                                                           {WM_SYSKEYUP, 'F'},
                                                           {WM_KEYUP, VK_MENU},
                                                           {WM_KEYDOWN, VK_CONTROL},
                                                           {WM_KEYDOWN, VK_SHIFT},
                                                           {WM_KEYDOWN, VK_END},
                                                           {WM_KEYUP, VK_END},
                                                           {WM_KEYUP, VK_SHIFT},
                                                           {WM_KEYUP, VK_CONTROL},
                                                           {WM_KEYDOWN, VK_ADD},
                                                           {WM_CHAR, '+'},
                                                           {WM_KEYUP, VK_ADD},
                                                           {WM_KEYDOWN, VK_SUBTRACT},
                                                           {WM_CHAR, '-'},
                                                           {WM_KEYUP, VK_SUBTRACT},
                                                           {WM_KEYDOWN, VK_MULTIPLY},
                                                           {WM_CHAR, '*'},
                                                           {WM_KEYUP, VK_MULTIPLY},
                                                           {WM_KEYDOWN, VK_NUMPAD7},
                                                           {WM_CHAR, '7'},
                                                           {WM_KEYUP, VK_NUMPAD7},
                                                           {WM_KEYDOWN, VK_SHIFT},
                                                           {WM_KEYDOWN, '2'},
                                                           {WM_CHAR, '@'},
                                                           {WM_KEYUP, '2'},
                                                           {WM_KEYUP, VK_SHIFT},
                                                           {WM_KEYDOWN, VK_CONTROL},
                                                           {WM_KEYDOWN, 'C'},
                                                           {WM_CHAR, 3},
                                                           {WM_KEYUP, 'C'},
                                                           {WM_KEYUP, VK_CONTROL},
                                                           {WM_KEYDOWN, VK_F5},
                                                           {WM_KEYUP, VK_F5},
                                                           {WM_SYSKEYDOWN, VK_F10},
                                                           {WM_SYSKEYUP, VK_F10},
                                                           {WM_SYSKEYDOWN, VK_MENU},
                                                           {WM_SYSKEYUP, VK_MENU}};
    EXPECT_EQ(keys, expected);

    // The key data: Alt's context bit, the extended bit of navigation keys, the up bits.
    for (const Seen& each : Log()) {
        if (each.hwnd != m_single)
            continue;
        const auto flags = static_cast<WORD>(HIWORD(each.lParam));
        if (each.message == WM_SYSKEYDOWN && each.wParam == 'F') {
            EXPECT_TRUE(flags & KF_ALTDOWN);
        }
        if (each.message == WM_KEYDOWN && each.wParam == VK_END) {
            EXPECT_TRUE(flags & KF_EXTENDED);
            EXPECT_TRUE(each.shiftHeld && each.controlHeld);
        }
        if (each.message == WM_KEYUP) {
            EXPECT_TRUE((flags & KF_UP) && (flags & KF_REPEAT));
        }
    }
}

TEST(Cursors, EverySystemCursorHasPixelsOfItsOwnWithTheHotspotOnIt) {
    const LPCTSTR ids[] = {IDC_ARROW,   IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW,
                           IDC_SIZEALL, IDC_WAIT,   IDC_HAND,   IDC_NO};
    std::vector<const CursorShape*> shapes;
    for (LPCTSTR id : ids) {
        const CursorShape* shape = ShapeOfCursor(LoadCursor(nullptr, id));
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->width, GetSystemMetrics(SM_CXCURSOR));
        EXPECT_EQ(shape->height, GetSystemMetrics(SM_CYCURSOR));
        ASSERT_EQ(shape->pixels.size(), static_cast<size_t>(shape->width * shape->height));
        const auto count = [&](std::uint32_t pixel) {
            return std::count(shape->pixels.begin(), shape->pixels.end(), pixel);
        };
        // Black outline, white inside, clear around.
        EXPECT_GT(count(0xFF000000), 0);
        EXPECT_GT(count(0xFFFFFFFF), 0);
        EXPECT_GT(count(0), shape->width * shape->height / 8);
        const std::uint32_t hot =
            shape->pixels[static_cast<size_t>(shape->hotspot.y * shape->width + shape->hotspot.x)];
        EXPECT_NE(hot, 0u) << "the hotspot of cursor " << shapes.size() << " is clear";
        for (const CursorShape* other : shapes)
            EXPECT_NE(other->pixels, shape->pixels);
        shapes.push_back(shape);
    }
    // The north-south arrows are the west-east ones turned.
    const CursorShape& across = *shapes[1];
    const CursorShape& down = *shapes[2];
    for (int y = 0; y < across.height; ++y)
        for (int x = 0; x < across.width; ++x)
            ASSERT_EQ(down.pixels[static_cast<size_t>(x * down.width + y)],
                      across.pixels[static_cast<size_t>(y * across.width + x)]);
    EXPECT_EQ(ShapeOfCursor(nullptr), nullptr);
}

TEST_F(Input, QueuedInputWaitsForWhoeverPumpsTheModelessWindow) {
    CScriptedUser user;
    user.ClickAt(ScreenPoint(m_single, POINT{5, 5}))
        .WaitForEnd() // waits while the frame is up: the queueing stops here
        .ClickAt(ScreenPoint(m_double, POINT{5, 5}));
    user.QueueIn(m_frame);
    const std::vector<UINT> buttons = {WM_LBUTTONDOWN, WM_LBUTTONUP};
    EXPECT_TRUE(Messages(m_single, buttons).empty()); // nothing until someone pumps
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
    EXPECT_EQ(Messages(m_single, buttons), buttons);
    EXPECT_TRUE(Messages(m_double, buttons).empty());
}
