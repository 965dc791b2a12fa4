#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

namespace {

ThreadMessageQueue& Queue() {
    return *ThreadMessageQueue::Current();
}

// The rectangle a maximized window covers: the work area of its monitor (or its parent's
// client area), with the frame outside it.
CRect MaximizedRect(HWND hwnd) {
    const WindowRecord& record = *RecordOf(hwnd);
    CRect area;
    if (record.style & WS_CHILD) {
        GetClientRect(record.parent, &area);
    } else {
        MONITORINFO info{sizeof info, {}, {}, 0};
        GetMonitorInfo(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
        area = info.rcWork;
    }
    const RECT insets = FrameInsets(record.style, record.exStyle);
    area.left -= insets.left;
    area.right += insets.right;
    area.bottom += insets.bottom;
    area.top -= insets.left; // the caption stays on screen
    return area;
}

CRect MinimizedRect() {
    return CRect(-32000, -32000, -32000 + 160, -32000 + 28);
}

} // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    WindowRecord* record = OwnWindow(hwnd);
    if (!record || hwnd == DesktopRecord())
        return FALSE;
    const bool wasVisible = (record->style & WS_VISIBLE) != 0;
    UINT flags = SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
    bool activate = !(record->style & WS_CHILD);
    CRect target = record->rect;
    switch (command) {
    case SW_HIDE:
        if (!wasVisible)
            return FALSE;
        SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags | SWP_HIDEWINDOW | SWP_NOACTIVATE);
        return TRUE;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        record->style = (record->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        target = MinimizedRect();
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        activate = activate && command == SW_SHOWMINIMIZED;
        break;
    case SW_MAXIMIZE:
        record->style = (record->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        target = MaximizedRect(hwnd);
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (record->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            record->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            target = record->normalPosition;
            flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        }
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        activate = false;
        break;
    default:
        break;
    }
    if (!wasVisible)
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    SetWindowPos(hwnd, nullptr, target.left, target.top, target.Width(), target.Height(),
                 flags | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (activate && IsLiveWindow(hwnd))
        SetActiveWindow(hwnd);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    for (; record; record = record->parent ? RecordOf(record->parent) : nullptr)
        if (!(record->style & WS_VISIBLE))
            return FALSE;
    return TRUE;
}

BOOL IsIconic(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    return record && (record->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    return record && (record->style & WS_MAXIMIZE);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    const BOOL wasDisabled = (record->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable) {
        record->style &= ~WS_DISABLED;
    } else {
        record->style |= WS_DISABLED;
        if (record->threadId == GetCurrentThreadId()) {
            ThreadMessageQueue& queue = Queue();
            if (queue.focus == hwnd || IsChild(hwnd, queue.focus))
                SetFocus(nullptr);
        }
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    return record && !(record->style & WS_DISABLED);
}

HWND SetFocus(HWND hwnd) {
    ThreadMessageQueue& queue = Queue();
    if (hwnd && !OwnWindow(hwnd))
        return nullptr;
    const HWND previous = queue.focus;
    if (hwnd == previous)
        return previous;
    if (hwnd) {
        const HWND root = GetAncestor(hwnd, GA_ROOT);
        if (queue.active != root)
            SetActiveWindow(root);
        if (queue.focus == hwnd)
            return previous;
    }
    const HWND losing = queue.focus;
    queue.focus = hwnd;
    if (losing && IsLiveWindow(losing))
        SendMessage(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && IsLiveWindow(hwnd) && queue.focus == hwnd)
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
    return previous;
}

HWND GetFocus() {
    return Queue().focus;
}

HWND SetCapture(HWND hwnd) {
    ThreadMessageQueue& queue = Queue();
    const HWND previous = queue.capture;
    if (!OwnWindow(hwnd) || previous == hwnd)
        return previous;
    queue.capture = hwnd;
    if (previous && IsLiveWindow(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

HWND GetCapture() {
    return Queue().capture;
}

BOOL ReleaseCapture() {
    ThreadMessageQueue& queue = Queue();
    const HWND previous = std::exchange(queue.capture, nullptr);
    if (previous && IsLiveWindow(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND SetActiveWindow(HWND hwnd) {
    ThreadMessageQueue& queue = Queue();
    if (hwnd && (!OwnWindow(hwnd) || (RecordOf(hwnd)->style & WS_CHILD)))
        return nullptr;
    const HWND previous = queue.active;
    if (previous == hwnd)
        return previous;
    queue.active = hwnd;
    if (previous && IsLiveWindow(previous))
        SendMessage(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0),
                    reinterpret_cast<LPARAM>(hwnd));
    if (hwnd && queue.active == hwnd)
        SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0),
                    reinterpret_cast<LPARAM>(previous));
    if (!hwnd && queue.focus)
        SetFocus(nullptr);
    return previous;
}

HWND GetActiveWindow() {
    return Queue().active;
}

HWND GetForegroundWindow() {
    return Queue().active;
}

BOOL SetForegroundWindow(HWND hwnd) {
    return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == hwnd;
}

SHORT GetKeyState(int virtualKey) {
    const BYTE state = Queue().keyState[virtualKey & 0xFF];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}
