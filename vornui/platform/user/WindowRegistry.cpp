#include "vornui/platform/LastError.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/HandleTable.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <mutex>
#include <unistd.h>

namespace {

struct WindowRegistry {
    std::mutex lock; // the desktop's children, which every thread's top-level windows join
    HandleTable<WindowRecord> table;
    const std::shared_ptr<WindowRecord> desktop = std::make_shared<WindowRecord>();
    const HWND desktopHandle;

    WindowRegistry() : desktopHandle(reinterpret_cast<HWND>(table.add(desktop))) {
        desktop->registered = true;
    }
};

WindowRegistry& Registry() {
    static WindowRegistry* const registry = new WindowRegistry; // handles outlive statics
    return *registry;
}

std::uintptr_t ValueOf(HWND hwnd) {
    return reinterpret_cast<std::uintptr_t>(hwnd);
}

OwnWindowCache& OwnWindows() {
    return ThreadStore<OwnWindowCache>::Get();
}

} // namespace

// Windows of the calling thread found in the registry are remembered.
WindowRecord* LookUpRecord(HWND hwnd) {
    return Registry().table.with(ValueOf(hwnd), static_cast<WindowRecord*>(nullptr),
                                 [](WindowRecord& record) { return &record; });
}

WindowRecord* LookUpLiveWindow(HWND hwnd) {
    const DWORD thread = GetCurrentThreadId();
    WindowRecord* const found =
        Registry().table.with(ValueOf(hwnd), static_cast<WindowRecord*>(nullptr),
                              [&](WindowRecord& record) -> WindowRecord* {
                                  if (!record.registered)
                                      return nullptr;
                                  if (record.threadId == thread)
                                      OwnWindows().remember(hwnd, &record);
                                  return &record;
                              });
    if (!found && hwnd)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return found;
}

WindowRecord* LookUpMessageTarget(HWND hwnd, std::shared_ptr<ThreadMessageQueue>& otherQueue) {
    const DWORD thread = GetCurrentThreadId();
    return Registry().table.with(ValueOf(hwnd), static_cast<WindowRecord*>(nullptr),
                                 [&](WindowRecord& record) -> WindowRecord* {
                                     if (!record.registered || !record.queue)
                                         return nullptr;
                                     if (record.threadId != thread) {
                                         otherQueue = record.queue;
                                         return nullptr;
                                     }
                                     OwnWindows().remember(hwnd, &record);
                                     return &record;
                                 });
}

HWND DesktopRecord() {
    return Registry().desktopHandle;
}

bool WindowOwner(HWND hwnd, DWORD& threadId, std::shared_ptr<ThreadMessageQueue>& queue) {
    return Registry().table.with(ValueOf(hwnd), false, [&](const WindowRecord& record) {
        if (!record.registered || !record.queue)
            return false;
        threadId = record.threadId;
        queue = record.queue;
        return true;
    });
}

bool IsLiveWindow(HWND hwnd) {
    return LiveWindow(hwnd) != nullptr;
}

WindowRecord* OwnWindow(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    return record && record->threadId == GetCurrentThreadId() ? record : nullptr;
}

HWND RegisterWindow(std::unique_ptr<WindowRecord> record) {
    record->registered = true;
    return reinterpret_cast<HWND>(Registry().table.add(std::move(record)));
}

void UnregisterWindow(HWND hwnd) {
    OwnWindows().forget(hwnd);
    Registry().table.with(ValueOf(hwnd), false, [](WindowRecord& record) {
        record.registered = false;
        return true;
    });
}

void FreeWindowRecord(HWND hwnd) {
    Registry().table.take(ValueOf(hwnd));
}

std::vector<HWND> ChildrenOf(HWND parent) {
    WindowRegistry& registry = Registry();
    if (parent != registry.desktopHandle)
        return RecordOf(parent)->children;
    std::lock_guard guard(registry.lock);
    return registry.desktop->children;
}

void LinkChild(HWND parent, HWND child, HWND insertAfter) {
    WindowRegistry& registry = Registry();
    std::unique_lock guard(registry.lock, std::defer_lock);
    if (parent == registry.desktopHandle)
        guard.lock();
    std::vector<HWND>& children = RecordOf(parent)->children;
    std::erase(children, child);
    auto at = children.begin();
    if (insertAfter == HWND_BOTTOM) {
        at = children.end();
    } else if (insertAfter != HWND_TOP) {
        const auto after = std::find(children.begin(), children.end(), insertAfter);
        at = after == children.end() ? children.begin() : after + 1;
    } else if (!(RecordOf(child)->exStyle & WS_EX_TOPMOST)) {
        // A window that is not topmost goes below every topmost sibling.
        at = std::find_if(children.begin(), children.end(), [](HWND sibling) {
            return !(RecordOf(sibling)->exStyle & WS_EX_TOPMOST);
        });
    }
    children.insert(at, child);
}

void UnlinkChild(HWND parent, HWND child) {
    WindowRegistry& registry = Registry();
    std::unique_lock guard(registry.lock, std::defer_lock);
    if (parent == registry.desktopHandle)
        guard.lock();
    std::erase(RecordOf(parent)->children, child);
}

POINT ClientOriginOnScreen(HWND hwnd) {
    if (!hwnd || hwnd == DesktopRecord())
        return POINT{0, 0};
    POINT origin = ClientOriginOnScreen(ParentOrDesktop(hwnd));
    const WindowRecord& record = *RecordOf(hwnd);
    origin.x += record.rect.left + record.clientArea.left;
    origin.y += record.rect.top + record.clientArea.top;
    return origin;
}

BOOL IsWindow(HWND hwnd) {
    return IsLiveWindow(hwnd);
}

HWND ParentOrDesktop(HWND hwnd) {
    const HWND parent = RecordOf(hwnd)->parent;
    return parent ? parent : DesktopRecord();
}

HWND GetDesktopWindow() {
    CRect screen(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0);
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    WindowRegistry& registry = Registry();
    // Any thread may ask; the desktop follows the screen only when the screen changed.
    std::lock_guard guard(registry.lock);
    WindowRecord& desktop = *registry.desktop;
    if (!desktop.rect.EqualRect(&screen)) {
        desktop.rect = screen;
        desktop.clientArea = CRect(0, 0, screen.Width(), screen.Height());
    }
    return registry.desktopHandle;
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
