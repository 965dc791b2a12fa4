#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MenuRecord.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

#define ERROR_TLW_WITH_WSCHILD 1406L

namespace {

struct PendingHook {
    WindowCreationHook hook = nullptr;
    void* context = nullptr;
};
thread_local PendingHook t_hook;

// Where an overlapped window goes when its creator lets the system choose.
CRect DefaultTopLevelRect(int x, int y, int width, int height) {
    const CRect work = [] {
        RECT rect;
        SystemParametersInfo(SPI_GETWORKAREA, 0, &rect, 0);
        return CRect(rect);
    }();
    if (x == CW_USEDEFAULT) {
        x = work.left + 26;
        y = work.top + 26;
    }
    if (width == CW_USEDEFAULT) {
        width = work.Width() * 3 / 4;
        height = work.Height() * 3 / 4;
    }
    return CRect(x, y, x + width, y + height);
}

void NotifyParents(HWND hwnd, UINT event) {
    for (HWND child = hwnd;
         (child->style & WS_CHILD) && !(child->exStyle & WS_EX_NOPARENTNOTIFY) && child->parent;
         child = child->parent)
        SendMessage(child->parent, WM_PARENTNOTIFY, MAKEWPARAM(event, hwnd->id),
                    reinterpret_cast<LPARAM>(hwnd));
}

void SendDestroy(HWND hwnd) {
    hwnd->destroying = true;
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(hwnd))
        if (IsLiveWindow(child))
            SendDestroy(child);
}

void FreeWindow(HWND hwnd) {
    for (HWND child : ChildrenOf(hwnd))
        if (IsLiveWindow(child))
            FreeWindow(child);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    UnlinkChild(ParentOrDesktop(hwnd), hwnd);
    hwnd->queue->Forget(hwnd);
    UnregisterWindow(hwnd);
    hwnd->wnd = nullptr;
    hwnd->queue->graveyard.emplace_back(hwnd);
}

bool Contains(HWND ancestor, HWND hwnd) {
    return hwnd && (hwnd == ancestor || IsChild(ancestor, hwnd));
}

} // namespace

MINMAXINFO TrackingLimits(HWND hwnd) {
    MINMAXINFO info{};
    info.ptMaxSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

CSize TrackingSize(HWND hwnd, CSize proposed) {
    const bool userSizable =
        (hwnd->style & WS_THICKFRAME) || !(hwnd->style & (WS_POPUP | WS_CHILD));
    if (!userSizable)
        return proposed;
    const MINMAXINFO info = TrackingLimits(hwnd);
    return CSize(std::clamp<LONG>(proposed.cx, info.ptMinTrackSize.x,
                                  std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x)),
                 std::clamp<LONG>(proposed.cy, info.ptMinTrackSize.y,
                                  std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y)));
}

void SetWindowCreationHook(WindowCreationHook hook, void* context) {
    t_hook = PendingHook{hook, context};
}

HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HANDLE instance, LPVOID param) {
    const WindowClassRecord* windowClass = className ? FindWindowClass(className) : nullptr;
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent == HWND_MESSAGE)
        parent = nullptr;
    if (parent && !IsLiveWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (!(style & (WS_CHILD | WS_POPUP)))
        style |= WS_CAPTION | WS_CLIPSIBLINGS;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_THICKFRAME) ||
        ((style & WS_DLGFRAME) && !(style & WS_CHILD)))
        exStyle |= WS_EX_WINDOWEDGE;

    auto owned = std::make_unique<WindowRecord>();
    HWND hwnd = owned.get();
    hwnd->queue = ThreadMessageQueue::Current();
    hwnd->threadId = GetCurrentThreadId();
    hwnd->windowClass = windowClass;
    hwnd->proc = windowClass->wc.lpfnWndProc;
    hwnd->style = style & ~WS_VISIBLE;
    hwnd->exStyle = exStyle;
    hwnd->instance = instance;
    hwnd->extra.resize(std::max(0, windowClass->wc.cbWndExtra));
    if (style & WS_CHILD) {
        hwnd->parent = parent;
        hwnd->id = reinterpret_cast<UINT_PTR>(menu);
        hwnd->rect = CRect(x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y, 0, 0);
        hwnd->rect.right = hwnd->rect.left + (width == CW_USEDEFAULT ? 0 : width);
        hwnd->rect.bottom = hwnd->rect.top + (height == CW_USEDEFAULT ? 0 : height);
    } else {
        hwnd->owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
        AttachMenuBar(hwnd, menu);
        hwnd->rect = DefaultTopLevelRect(x, y, width, height);
    }
    RegisterWindow(owned.release());
    // A child goes below its siblings (dialog controls stack in template order); a
    // top-level window goes on top.
    LinkChild(ParentOrDesktop(hwnd), hwnd, (style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP);
    hwnd->queue->windows.push_back(hwnd);

    if (const PendingHook hook = std::exchange(t_hook, PendingHook{}); hook.hook)
        hook.hook(hwnd, hook.context);

    CREATESTRUCT create{param,
                        instance,
                        menu,
                        parent,
                        hwnd->rect.Height(),
                        hwnd->rect.Width(),
                        hwnd->rect.top,
                        hwnd->rect.left,
                        static_cast<LONG>(style),
                        windowName,
                        windowClass->name.c_str(),
                        exStyle};
    const CSize size = TrackingSize(hwnd, hwnd->rect.Size());
    hwnd->rect.right = hwnd->rect.left + size.cx;
    hwnd->rect.bottom = hwnd->rect.top + size.cy;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    RecalculateClientArea(hwnd);
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsLiveWindow(hwnd))
        return nullptr;
    const CRect& client = hwnd->clientArea;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    SendMessage(hwnd, WM_MOVE, 0,
                MAKELPARAM(hwnd->rect.left + client.left, hwnd->rect.top + client.top));
    NotifyParents(hwnd, WM_CREATE);
    if (IsLiveWindow(hwnd) && (style & WS_VISIBLE))
        ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    return IsLiveWindow(hwnd) ? hwnd : nullptr;
}

HWND CreateWindow(LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, HANDLE instance, LPVOID param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                          instance, param);
}

BOOL DestroyWindow(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record || hwnd == DesktopRecord())
        return FALSE;
    if (record->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (record->destroying)
        return TRUE;
    NotifyParents(hwnd, WM_DESTROY);
    if (!IsLiveWindow(hwnd))
        return TRUE;
    if (hwnd->style & WS_VISIBLE)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Owned windows go first.
    for (HWND other : std::vector<HWND>(hwnd->queue->windows))
        if (IsLiveWindow(other) && other->owner == hwnd && !other->destroying)
            DestroyWindow(other);
    ThreadMessageQueue& queue = *hwnd->queue;
    if (Contains(hwnd, queue.focus))
        SetFocus(nullptr);
    if (Contains(hwnd, queue.capture))
        ReleaseCapture();
    if (queue.active == hwnd)
        SetActiveWindow(hwnd->owner && IsWindowVisible(hwnd->owner) ? hwnd->owner : nullptr);
    if (!hwnd->parent)
        GetDesktopDisplay().TopLevelDestroyed(hwnd);
    SendDestroy(hwnd);
    DestroyMenusOfWindow(hwnd);
    FreeWindow(hwnd);
    return TRUE;
}
