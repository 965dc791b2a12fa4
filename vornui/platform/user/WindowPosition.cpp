#include "vornui/platform/WindowPosition.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/UpdateRegions.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

struct DeferRecord {
    std::vector<WINDOWPOS> positions;
};

namespace {

bool SameSize(const CRect& a, const CRect& b) {
    return a.Width() == b.Width() && a.Height() == b.Height();
}

bool SameOrigin(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top;
}

// SWP_NOMOVE and SWP_NOSIZE keep the window's present origin and size whatever `pos` says.
void KeepWhatFlagsKeep(WINDOWPOS& pos, const CRect& present) {
    if (pos.flags & SWP_NOMOVE) {
        pos.x = present.left;
        pos.y = present.top;
    }
    if (pos.flags & SWP_NOSIZE) {
        pos.cx = present.Width();
        pos.cy = present.Height();
    }
}

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

int FrameWidth(DWORD style, DWORD exStyle) {
    int width = OuterFrameWidth(style, exStyle);
    if (exStyle & WS_EX_CLIENTEDGE)
        width += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        width += GetSystemMetrics(SM_CXBORDER);
    return width;
}

bool IsTopmost(HWND hwnd) {
    return (RecordOf(hwnd)->exStyle & WS_EX_TOPMOST) != 0;
}

// Changes the topmost state of a top-level window and puts it on top of its new group.
// Its owned windows follow it, above it; a window that stops being topmost takes its
// owners along, so that no topmost window is owned by one that is not.
void SetTopmost(HWND hwnd, bool topmost) {
    WindowRecord& record = *RecordOf(hwnd);
    if (!topmost)
        for (HWND owner = record.owner; IsLiveWindow(owner); owner = RecordOf(owner)->owner)
            if (IsTopmost(owner))
                SetTopmost(owner, false);
    if (topmost)
        record.exStyle |= WS_EX_TOPMOST;
    else
        record.exStyle &= ~WS_EX_TOPMOST;
    LinkChild(DesktopRecord(), hwnd, HWND_TOP);
    for (HWND other : ChildrenOf(DesktopRecord()))
        if (const WindowRecord* owned = RecordOf(other);
            owned && owned->owner == hwnd && IsTopmost(other) != topmost)
            SetTopmost(other, topmost);
}

// Topmost is a state of top-level windows: among children, HWND_TOPMOST and HWND_NOTOPMOST
// just mean the top.
void ApplyZOrder(HWND hwnd, HWND insertAfter) {
    WindowRecord& record = *RecordOf(hwnd);
    const bool topLevel = !record.parent;
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        const bool topmost = insertAfter == HWND_TOPMOST;
        if (!topLevel)
            LinkChild(ParentOrDesktop(hwnd), hwnd, HWND_TOP);
        else if (topmost || IsTopmost(hwnd)) // HWND_NOTOPMOST leaves other windows be
            SetTopmost(hwnd, topmost);
        return;
    }
    if (insertAfter == HWND_BOTTOM) {
        record.exStyle &= ~WS_EX_TOPMOST;
    } else if (insertAfter != HWND_TOP) {
        if (insertAfter == hwnd || !IsLiveWindow(insertAfter) ||
            ParentOrDesktop(insertAfter) != ParentOrDesktop(hwnd))
            return;
        // Right below a topmost window is above every other: the window becomes topmost;
        // below one that is not, it no longer is.
        if (topLevel && IsTopmost(insertAfter) != IsTopmost(hwnd))
            record.exStyle ^= WS_EX_TOPMOST;
    }
    LinkChild(ParentOrDesktop(hwnd), hwnd, insertAfter);
}

// The deepest visible, enabled window under `screen` among the children of `parent`,
// asking each candidate whether it lets the point through (HTTRANSPARENT); `hit` gets the
// answer of the window found (HTCLIENT from a window of another thread, which is not asked).
HWND HitTestChildren(HWND parent, POINT screen, LRESULT& hit) {
    for (HWND child : ChildrenOf(parent)) {
        const WindowRecord* record = RecordOf(child); // another thread's may be gone
        if (!record || !(record->style & WS_VISIBLE) || (record->style & WS_DISABLED))
            continue;
        RECT rect;
        GetWindowRect(child, &rect);
        if (!CRect(rect).PtInRect(screen))
            continue;
        const LRESULT answer =
            record->threadId == GetCurrentThreadId()
                ? SendMessage(child, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y))
                : HTCLIENT;
        if (answer == HTTRANSPARENT)
            continue;
        if (const HWND deeper = HitTestChildren(child, screen, hit))
            return deeper;
        hit = answer;
        return child;
    }
    return nullptr;
}

} // namespace

int OuterFrameWidth(DWORD style, DWORD exStyle) {
    if ((exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME)))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    return (style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

RECT FrameInsets(DWORD style, DWORD exStyle) {
    const int frame = FrameWidth(style, exStyle);
    RECT insets{frame, frame, frame, frame};
    if (HasCaption(style))
        insets.top +=
            GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return insets;
}

void RecalculateClientArea(HWND hwnd) {
    WindowRecord& record = *RecordOf(hwnd);
    RECT area = record.rect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&area));
    record.clientArea = CRect(area);
    record.clientArea.OffsetRect(-record.rect.left, -record.rect.top);
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !rect)
        return FALSE;
    const POINT origin = ClientOriginOnScreen(ParentOrDesktop(hwnd));
    *rect = record->rect;
    OffsetRect(rect, origin.x, origin.y);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !rect)
        return FALSE;
    *rect = RECT{0, 0, record->clientArea.Width(), record->clientArea.Height()};
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record || hwnd == DesktopRecord())
        return FALSE;
    WINDOWPOS pos{hwnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
    KeepWhatFlagsKeep(pos, record->rect);
    if (!(flags & SWP_NOSENDCHANGING))
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!IsLiveWindow(hwnd))
        return FALSE;
    // The window may have refused the move or the size by adding the flags.
    KeepWhatFlagsKeep(pos, record->rect);

    const CRect oldRect = record->rect;
    const CRect oldClient = record->clientArea;
    const bool wasVisible = IsWindowVisible(hwnd);
    const CRect newRect(pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy);
    if (!(pos.flags & SWP_NOZORDER))
        ApplyZOrder(hwnd, pos.hwndInsertAfter);
    record->rect = newRect;
    if (!SameSize(newRect, oldRect) || (pos.flags & SWP_FRAMECHANGED))
        RecalculateClientArea(hwnd);
    if (pos.flags & SWP_SHOWWINDOW) {
        record->style |= WS_VISIBLE;
        NotePaintChange(); // its hidden children may have waited to paint
    }
    if (pos.flags & SWP_HIDEWINDOW)
        record->style &= ~WS_VISIBLE;
    if (!(record->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        record->normalPosition = newRect;

    if (SameOrigin(newRect, oldRect))
        pos.flags |= SWP_NOMOVE;
    if (SameSize(newRect, oldRect))
        pos.flags |= SWP_NOSIZE;
    if (SameSize(record->clientArea, oldClient))
        pos.flags |= SWP_NOCLIENTSIZE;
    if (record->clientArea.left + newRect.left == oldClient.left + oldRect.left &&
        record->clientArea.top + newRect.top == oldClient.top + oldRect.top)
        pos.flags |= SWP_NOCLIENTMOVE;
    const bool nowVisible = IsWindowVisible(hwnd);
    if (!(pos.flags & SWP_NOREDRAW) && nowVisible &&
        (!wasVisible || !(pos.flags & SWP_NOCLIENTSIZE) || (pos.flags & SWP_FRAMECHANGED)))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    if (wasVisible != nowVisible && record->parent && !(pos.flags & SWP_NOREDRAW))
        InvalidateRect(record->parent, nullptr, TRUE);
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    const UINT unchanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if (IsLiveWindow(hwnd) && !record->parent &&
        ((pos.flags & unchanged) != unchanged || wasVisible != nowVisible))
        GetDesktopDisplay().TopLevelChanged(hwnd);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HDWP BeginDeferWindowPos(int numWindows) {
    if (numWindows < 0)
        return nullptr;
    auto* info = new DeferRecord; // owned by the caller until EndDeferWindowPos
    info->positions.reserve(static_cast<size_t>(numWindows));
    return info;
}

HDWP DeferWindowPos(HDWP info, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
                    UINT flags) {
    if (!info)
        return nullptr;
    if (!IsLiveWindow(hwnd)) {
        delete info; // the system gives the whole batch up
        return nullptr;
    }
    const WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    const auto same = std::find_if(info->positions.begin(), info->positions.end(),
                                   [hwnd](const WINDOWPOS& each) { return each.hwnd == hwnd; });
    if (same != info->positions.end())
        *same = pos;
    else
        info->positions.push_back(pos);
    return info;
}

BOOL EndDeferWindowPos(HDWP info) {
    if (!info)
        return FALSE;
    const std::unique_ptr<DeferRecord> owned(info);
    BOOL result = TRUE;
    for (const WINDOWPOS& pos : owned->positions)
        if (!SetWindowPos(pos.hwnd, pos.hwndInsertAfter, pos.x, pos.y, pos.cx, pos.cy, pos.flags))
            result = FALSE;
    return result;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    if (!LiveWindow(hwnd) || !point)
        return FALSE;
    const POINT origin = ClientOriginOnScreen(hwnd);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    if (!LiveWindow(hwnd) || !point)
        return FALSE;
    const POINT origin = ClientOriginOnScreen(hwnd);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    const POINT fromOrigin = from ? ClientOriginOnScreen(from) : POINT{0, 0};
    const POINT toOrigin = to ? ClientOriginOnScreen(to) : POINT{0, 0};
    const int dx = fromOrigin.x - toOrigin.x;
    const int dy = fromOrigin.y - toOrigin.y;
    for (UINT index = 0; index < count; ++index) {
        points[index].x += dx;
        points[index].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND WindowFromPoint(POINT point) {
    LRESULT hit = HTNOWHERE;
    return HitTestChildren(DesktopRecord(), point, hit);
}

HWND WindowFromPointWithHit(POINT screen, LRESULT& hit) {
    hit = HTNOWHERE;
    return HitTestChildren(DesktopRecord(), screen, hit);
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    if (!LiveWindow(parent))
        return nullptr;
    RECT client{};
    GetClientRect(parent, &client);
    if (!CRect(client).PtInRect(point))
        return nullptr;
    POINT screen = point;
    ClientToScreen(parent, &screen);
    for (HWND child : ChildrenOf(parent)) {
        const WindowRecord& record = *RecordOf(child);
        if (((flags & CWP_SKIPINVISIBLE) && !(record.style & WS_VISIBLE)) ||
            ((flags & CWP_SKIPDISABLED) && (record.style & WS_DISABLED)) ||
            ((flags & CWP_SKIPTRANSPARENT) && (record.exStyle & WS_EX_TRANSPARENT)))
            continue;
        RECT rect;
        GetWindowRect(child, &rect);
        if (CRect(rect).PtInRect(screen))
            return child;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

// Top-level windows report their normal position in workspace coordinates: relative to
// the work area of the primary monitor.
static POINT WorkspaceOffset(HWND hwnd) {
    if (RecordOf(hwnd)->style & WS_CHILD)
        return POINT{0, 0};
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{work.left, work.top};
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !placement)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    // The state, whether the window is shown or hidden (as while it is being destroyed).
    placement->showCmd = (record->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                         : (record->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                         : SW_SHOWNORMAL;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    CRect normal = record->normalPosition;
    const POINT offset = WorkspaceOffset(hwnd);
    normal.OffsetRect(-offset.x, -offset.y);
    placement->rcNormalPosition = normal;
    return TRUE;
}

// Coordinates of a stored placement are brought into the range windows live in, so that
// no width or offset overflows.
static CRect WithinCoordinateRange(const RECT& rect) {
    const auto bounded = [](LONG value) { return std::clamp<LONG>(value, -32768, 32767); };
    return CRect(bounded(rect.left), bounded(rect.top), bounded(rect.right), bounded(rect.bottom));
}

// A top-level rectangle that would show on no monitor at the size the window takes is
// moved onto the work area of the nearest one.
static CRect OnSomeMonitor(HWND hwnd, CRect rect) {
    const CSize size = TrackingSize(hwnd, rect.Size());
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if ((RecordOf(hwnd)->style & WS_CHILD) || MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return rect;
    MONITORINFO info{sizeof info, {}, {}, 0};
    GetMonitorInfo(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
    const CRect work(info.rcWork);
    const int x = std::max(work.left, std::min<int>(rect.left, work.right - rect.Width()));
    const int y = std::max(work.top, std::min<int>(rect.top, work.bottom - rect.Height()));
    return CRect(x, y, x + rect.Width(), y + rect.Height());
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record || !placement || placement->length != sizeof(WINDOWPLACEMENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    CRect normal = WithinCoordinateRange(placement->rcNormalPosition);
    const POINT offset = WorkspaceOffset(hwnd);
    normal.OffsetRect(offset.x, offset.y);
    normal = OnSomeMonitor(hwnd, normal);
    if (record->style & (WS_MINIMIZE | WS_MAXIMIZE))
        record->normalPosition = normal;
    else
        SetWindowPos(hwnd, nullptr, normal.left, normal.top, normal.Width(), normal.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd, static_cast<int>(placement->showCmd));
    return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect)
        return FALSE;
    const RECT insets = FrameInsets(style, exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}
