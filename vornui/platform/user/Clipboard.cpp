#include "vornui/platform/Clipboard.h"

#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/GlobalMemory.h"
#include "vornui/platform/LastError.h"

#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

struct ClipboardState {
    std::mutex mutex;
    std::optional<std::thread::id> openedBy;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> data; // in the order formats are enumerated
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

bool OpenHere(const ClipboardState& state) {
    return state.openedBy == std::this_thread::get_id();
}

// Data of the clipboard dies with it: bitmaps are GDI objects, the rest global memory.
void Release(UINT format, HANDLE data) {
    if (!data)
        return;
    if (format == CF_BITMAP)
        DeleteObject(static_cast<HGDIOBJ>(data));
    else
        GlobalFree(data);
}

} // namespace

BOOL OpenClipboard(HWND owner) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    // Another window, or another thread, holds it open.
    if (state.openedBy && (!OpenHere(state) || state.openWindow != owner)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    state.openedBy = std::this_thread::get_id();
    state.openWindow = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    state.openedBy.reset();
    state.openWindow = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    for (const auto& [format, data] : state.data)
        Release(format, data);
    state.data.clear();
    state.owner = state.openWindow;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state) || format == 0) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto [it, inserted] = state.data.try_emplace(format, data);
    if (!inserted && it->second != data) {
        Release(format, it->second);
        it->second = data;
    }
    return data;
}

HANDLE SetClipboardData(UINT format, HGLOBAL data) {
    return SetClipboardData(format, const_cast<HANDLE>(data));
}

HANDLE GetClipboardData(UINT format) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = state.data.find(format);
    return it == state.data.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.data.count(format) ? TRUE : FALSE;
}

int CountClipboardFormats() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return static_cast<int>(state.data.size());
}

UINT EnumClipboardFormats(UINT format) {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    if (!OpenHere(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return 0;
    }
    auto it = format == 0 ? state.data.begin() : state.data.upper_bound(format);
    SetLastError(NO_ERROR);
    return it == state.data.end() ? 0 : it->first;
}

HWND GetClipboardOwner() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.owner;
}

HWND GetOpenClipboardWindow() {
    ClipboardState& state = State();
    std::lock_guard lock(state.mutex);
    return state.openedBy ? state.openWindow : nullptr;
}
