// Which window each input event reaches and as which message, decided when the thread's
// loop takes the event: keys go to the focus, the wheel too, the mouse to the capture or to
// the window under the pointer after it answered WM_NCHITTEST and WM_SETCURSOR.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <cstdlib>

namespace {

constexpr int kHoverWidth = 4;
constexpr int kHoverHeight = 4;
constexpr DWORD kHoverTime = 400;

using KeyStates = std::array<BYTE, 256>;

void UpdateKeyState(KeyStates& state, UINT key, bool down) {
    BYTE& entry = state[key & 0xFF];
    if (down) {
        if (!(entry & 0x80))
            entry ^= 0x01; // toggled on each press
        entry |= 0x80;
    } else {
        entry &= static_cast<BYTE>(~0x80);
    }
}

bool IsDown(const KeyStates& state, UINT key) {
    return (state[key & 0xFF] & 0x80) != 0;
}

WORD MouseKeyFlags(const KeyStates& state) {
    WORD flags = 0;
    if (IsDown(state, VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (IsDown(state, VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (IsDown(state, VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (IsDown(state, VK_SHIFT))
        flags |= MK_SHIFT;
    if (IsDown(state, VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

// The button a mouse message presses or releases; 0 for a move or the wheel.
UINT ButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return VK_LBUTTON;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return VK_RBUTTON;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return VK_MBUTTON;
    default:
        return 0;
    }
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsMouseButtonKey(UINT key) {
    return key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON;
}

bool IsExtendedKey(UINT key) {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
           key == VK_DIVIDE || key == VK_NUMLOCK || key == VK_SNAPSHOT || key == VK_LWIN ||
           key == VK_RWIN || key == VK_APPS;
}

// The key message's lParam: one repeat, the extended, context, previous-state and
// transition bits.
LPARAM KeyData(UINT key, bool down, bool wasDown, bool altDown) {
    DWORD flags = 0;
    if (IsExtendedKey(key))
        flags |= KF_EXTENDED;
    if (altDown)
        flags |= KF_ALTDOWN;
    if (wasDown || !down)
        flags |= KF_REPEAT;
    if (!down)
        flags |= KF_UP;
    return static_cast<LPARAM>((flags << 16) | 1u);
}

bool OutsideHoverRect(POINT from, POINT to) {
    return std::abs(to.x - from.x) > kHoverWidth / 2 || std::abs(to.y - from.y) > kHoverHeight / 2;
}

bool PointerInClient(HWND hwnd, POINT screen) {
    CRect client;
    GetClientRect(hwnd, &client);
    ScreenToClient(hwnd, &screen);
    return client.PtInRect(screen) != FALSE;
}

} // namespace

bool ThreadMessageQueue::RouteInput(const InputEvent& event, MSG* msg, bool take) {
    *msg = MSG{nullptr, event.message, 0, 0, event.time, event.screen};
    const bool isKey = event.message >= WM_KEYFIRST && event.message <= WM_KEYLAST;
    return isKey ? RouteKey(event, msg, take) : RouteMouse(event, msg, take);
}

// Alt with a key (Ctrl not held), or F10, is a system key: WM_SYSKEYDOWN and WM_SYSKEYUP.
// Alt itself goes down as a system key and comes up as one only when no other key went
// down in between.
bool ThreadMessageQueue::RouteKey(const InputEvent& event, MSG* msg, bool take) {
    KeyStates peeked = keyState;
    KeyStates& keys = take ? keyState : peeked;
    const UINT key = event.key & 0xFF;
    const bool down = event.message == WM_KEYDOWN || event.message == WM_SYSKEYDOWN;
    const bool wasDown = IsDown(keys, key);
    UpdateKeyState(keys, key, down);
    if (IsMouseButtonKey(key))
        return false;
    const bool control = IsDown(keys, VK_CONTROL);
    bool system = false;
    if (key == VK_MENU) {
        system = down ? !control : altAlone;
        if (take)
            altAlone = down;
    } else {
        system = (IsDown(keys, VK_MENU) && !control) || key == VK_F10;
        if (take && down)
            altAlone = false;
    }
    msg->hwnd = focus ? focus : active;
    msg->message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    msg->wParam = key;
    msg->lParam = KeyData(key, down, wasDown, IsDown(keys, VK_MENU) || key == VK_MENU);
    if (down && take)
        pendingCharacter = event.character;
    return msg->hwnd != nullptr;
}

bool ThreadMessageQueue::RouteMouse(const InputEvent& event, MSG* msg, bool take) {
    KeyStates peeked = keyState;
    KeyStates& keys = take ? keyState : peeked;
    if (const UINT button = ButtonOf(event.message))
        UpdateKeyState(keys, button, IsButtonDown(event.message));
    const LPARAM screen = MAKELPARAM(event.screen.x, event.screen.y);
    if (event.message == WM_MOUSEWHEEL) {
        msg->hwnd = focus ? focus : active;
        msg->wParam = MAKEWPARAM(MouseKeyFlags(keys), static_cast<WORD>(event.delta));
        msg->lParam = screen;
        return msg->hwnd != nullptr;
    }
    LRESULT hit = HTCLIENT;
    const HWND target = capture ? capture : WindowFromPointWithHit(event.screen, hit);
    if (take)
        FollowPointer(target, hit, event.screen, event.time);
    const WindowRecord* record = LiveWindow(target);
    if (!record || record->threadId != m_threadId)
        return false;
    if (take && !capture) {
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                    MAKELPARAM(static_cast<WORD>(hit), event.message));
        if (!IsLiveWindow(target))
            return false;
    }
    msg->hwnd = target;
    if (hit == HTCLIENT) {
        POINT client = event.screen;
        ScreenToClient(target, &client);
        msg->wParam = MouseKeyFlags(keys);
        msg->lParam = MAKELPARAM(client.x, client.y);
    } else {
        msg->message = event.message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        msg->wParam = static_cast<WPARAM>(hit);
        msg->lParam = screen;
    }
    DetectDoubleClick(*msg, event, hit == HTCLIENT, take);
    return true;
}

// A second press of the same button on the same window, soon enough and close enough, is a
// double click: always in the non-client area, in the client area for a class that asks
// for them (CS_DBLCLKS). A third press starts anew.
void ThreadMessageQueue::DetectDoubleClick(MSG& msg, const InputEvent& event, bool clientArea,
                                           bool take) {
    if (!IsButtonDown(event.message))
        return;
    const MSG previous = lastButtonDown;
    if (take)
        lastButtonDown = msg;
    const WindowClassRecord* windowClass = RecordOf(msg.hwnd)->windowClass;
    const bool wantsDoubleClicks =
        !clientArea || (windowClass && (windowClass->wc.style & CS_DBLCLKS));
    if (!wantsDoubleClicks || previous.hwnd != msg.hwnd || previous.message != msg.message ||
        event.time - previous.time > GetDoubleClickTime() ||
        std::abs(previous.pt.x - event.screen.x) > GetSystemMetrics(SM_CXDOUBLECLK) / 2 ||
        std::abs(previous.pt.y - event.screen.y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2)
        return;
    msg.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    if (take)
        lastButtonDown = MSG{};
}

void ThreadMessageQueue::FollowPointer(HWND target, LRESULT hit, POINT screen, DWORD time) {
    if (!tracking.hwnd)
        return;
    const bool inside = capture ? PointerInClient(tracking.hwnd, screen)
                                : target == tracking.hwnd && hit == HTCLIENT;
    if (!inside) {
        if (tracking.flags & TME_LEAVE)
            Post(MSG{tracking.hwnd, WM_MOUSELEAVE, 0, 0, time, screen});
        tracking = MouseTracking{};
        return;
    }
    if (OutsideHoverRect(tracking.restingAt, screen)) {
        tracking.restingAt = screen;
        tracking.hoverDue = DesktopTimeMilliseconds() + tracking.hoverTime;
    }
}

bool ThreadMessageQueue::TakeHover(MSG* msg, HWND filter, UINT filterMin, UINT filterMax,
                                   bool remove) {
    if (!tracking.hwnd || !(tracking.flags & TME_HOVER) ||
        DesktopTimeMilliseconds() < tracking.hoverDue)
        return false;
    POINT client = tracking.restingAt;
    ScreenToClient(tracking.hwnd, &client);
    const MSG hover{tracking.hwnd,           WM_MOUSEHOVER,
                    MouseKeyFlags(keyState), MAKELPARAM(client.x, client.y),
                    GetTickCount(),          tracking.restingAt};
    if (!MessageMatchesFilter(hover, filter, filterMin, filterMax))
        return false;
    *msg = hover;
    if (remove) {
        tracking.flags &= ~TME_HOVER;
        if (!(tracking.flags & TME_LEAVE))
            tracking = MouseTracking{};
    }
    return true;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    MouseTracking& tracking = ThreadMessageQueue::Current()->tracking;
    const DWORD kinds = track->dwFlags & (TME_HOVER | TME_LEAVE);
    if (track->dwFlags & TME_QUERY) {
        *track = TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), tracking.flags, tracking.hwnd,
                                 tracking.hoverTime};
        return TRUE;
    }
    if (track->dwFlags & TME_CANCEL) {
        if (tracking.hwnd == track->hwndTrack && !(tracking.flags &= ~kinds))
            tracking = MouseTracking{};
        return TRUE;
    }
    const WindowRecord* record = LiveWindow(track->hwndTrack);
    if (!record || record->threadId != GetCurrentThreadId())
        return FALSE;
    POINT cursor;
    GetCursorPos(&cursor);
    LRESULT hit = HTNOWHERE;
    if (WindowFromPointWithHit(cursor, hit) != track->hwndTrack || hit != HTCLIENT) {
        // Not over the window: it has already been left.
        if (kinds & TME_LEAVE)
            PostMessage(track->hwndTrack, WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (tracking.hwnd != track->hwndTrack)
        tracking = MouseTracking{track->hwndTrack};
    tracking.flags |= kinds;
    tracking.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? kHoverTime : track->dwHoverTime;
    tracking.restingAt = cursor;
    tracking.hoverDue = DesktopTimeMilliseconds() + tracking.hoverTime;
    return TRUE;
}
