#include "vornui/platform/LastError.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <mutex>
#include <unistd.h>
#include <unordered_set>

namespace {

struct WindowRegistry {
    std::mutex lock;
    std::unordered_set<HWND> live;
    WindowRecord desktop;

    WindowRegistry() { live.insert(&desktop); }
};

WindowRegistry& Registry() {
    static WindowRegistry* const registry = new WindowRegistry; // handles outlive statics
    return *registry;
}

} // namespace

HWND DesktopRecord() {
    return &Registry().desktop;
}

WindowRecord* LiveWindow(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    WindowRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    if (registry.live.count(hwnd))
        return hwnd;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

bool WindowOwner(HWND hwnd, DWORD& threadId, std::shared_ptr<ThreadMessageQueue>& queue) {
    WindowRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    if (!hwnd || !registry.live.count(hwnd) || !hwnd->queue)
        return false;
    threadId = hwnd->threadId;
    queue = hwnd->queue;
    return true;
}

bool IsLiveWindow(HWND hwnd) {
    return LiveWindow(hwnd) != nullptr;
}

WindowRecord* OwnWindow(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    return record && record->threadId == GetCurrentThreadId() ? record : nullptr;
}

void RegisterWindow(HWND hwnd) {
    WindowRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.live.insert(hwnd);
}

void UnregisterWindow(HWND hwnd) {
    WindowRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.live.erase(hwnd);
}

std::vector<HWND> ChildrenOf(HWND parent) {
    WindowRegistry& registry = Registry();
    if (parent != &registry.desktop)
        return parent->children;
    std::lock_guard guard(registry.lock);
    return registry.desktop.children;
}

void LinkChild(HWND parent, HWND child, HWND insertAfter) {
    WindowRegistry& registry = Registry();
    std::unique_lock guard(registry.lock, std::defer_lock);
    if (parent == &registry.desktop)
        guard.lock();
    std::vector<HWND>& children = parent->children;
    std::erase(children, child);
    auto at = children.begin();
    if (insertAfter == HWND_BOTTOM) {
        at = children.end();
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
               insertAfter != HWND_NOTOPMOST) {
        const auto after = std::find(children.begin(), children.end(), insertAfter);
        at = after == children.end() ? children.begin() : after + 1;
    } else if (!(child->exStyle & WS_EX_TOPMOST)) {
        // A window that is not topmost goes below every topmost sibling.
        at = std::find_if(children.begin(), children.end(),
                          [](HWND sibling) { return !(sibling->exStyle & WS_EX_TOPMOST); });
    }
    children.insert(at, child);
}

void UnlinkChild(HWND parent, HWND child) {
    WindowRegistry& registry = Registry();
    std::unique_lock guard(registry.lock, std::defer_lock);
    if (parent == &registry.desktop)
        guard.lock();
    std::erase(parent->children, child);
}

POINT ClientOriginOnScreen(HWND hwnd) {
    if (!hwnd || hwnd == DesktopRecord())
        return POINT{0, 0};
    POINT origin = ClientOriginOnScreen(ParentOrDesktop(hwnd));
    origin.x += hwnd->rect.left + hwnd->clientArea.left;
    origin.y += hwnd->rect.top + hwnd->clientArea.top;
    return origin;
}

BOOL IsWindow(HWND hwnd) {
    return IsLiveWindow(hwnd);
}

HWND ParentOrDesktop(HWND hwnd) {
    return hwnd->parent ? hwnd->parent : DesktopRecord();
}

HWND GetDesktopWindow() {
    CRect screen(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0);
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    WindowRegistry& registry = Registry();
    // Any thread may ask; the desktop follows the screen only when the screen changed.
    std::lock_guard guard(registry.lock);
    WindowRecord& desktop = registry.desktop;
    if (!desktop.rect.EqualRect(&screen)) {
        desktop.rect = screen;
        desktop.clientArea = CRect(0, 0, screen.Width(), screen.Height());
    }
    return &desktop;
}

DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
    DWORD threadId = 0;
    std::shared_ptr<ThreadMessageQueue> queue;
    if (!WindowOwner(hwnd, threadId, queue))
        return 0;
    if (processId)
        *processId = static_cast<DWORD>(getpid());
    return threadId;
}
