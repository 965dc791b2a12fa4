#include "vornui/platform/Clipboard.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/Window.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#define ERROR_CLIPBOARD_NOT_OPEN 1418L

namespace {

struct GlobalBlock {
    std::vector<BYTE> bytes;
};

struct ClipboardState {
    std::mutex lock;
    std::set<const GlobalBlock*> blocks; // every block handed out and not freed
    bool open = false;
    DWORD openThread = 0;
    std::map<UINT, const GlobalBlock*> data;
};

ClipboardState& State() {
    static ClipboardState* const state = new ClipboardState; // blocks may outlive statics
    return *state;
}

const GlobalBlock* BlockOf(HGLOBAL memory) {
    return static_cast<const GlobalBlock*>(memory);
}

bool OpenedByCaller(const ClipboardState& state) {
    return state.open && state.openThread == GetCurrentThreadId();
}

void FreeData(ClipboardState& state) {
    for (const auto& [format, block] : state.data) {
        state.blocks.erase(block);
        delete block;
    }
    state.data.clear();
}

} // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    auto* block = new GlobalBlock{std::vector<BYTE>(bytes, 0)}; // owned by the caller's handle
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    state.blocks.insert(block);
    return block;
}

LPVOID GlobalLock(HGLOBAL memory) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!state.blocks.count(BlockOf(memory)))
        return nullptr;
    return const_cast<BYTE*>(BlockOf(memory)->bytes.data());
}

BOOL GlobalUnlock(HGLOBAL) {
    return FALSE; // blocks are never moved, so no lock count is kept: always unlocked
}

SIZE_T GlobalSize(HGLOBAL memory) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    return state.blocks.count(BlockOf(memory)) ? BlockOf(memory)->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!state.blocks.erase(BlockOf(memory)))
        return memory;
    delete BlockOf(memory);
    return nullptr;
}

BOOL OpenClipboard(HWND) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (state.open && state.openThread != GetCurrentThreadId())
        return FALSE;
    state.open = true;
    state.openThread = GetCurrentThreadId();
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!OpenedByCaller(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    state.open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!OpenedByCaller(state)) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    FreeData(state);
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HGLOBAL memory) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!OpenedByCaller(state) || !state.blocks.count(BlockOf(memory))) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    if (const auto previous = state.data.find(format);
        previous != state.data.end() && previous->second != BlockOf(memory)) {
        state.blocks.erase(previous->second);
        delete previous->second;
    }
    state.data[format] = BlockOf(memory);
    return const_cast<void*>(memory);
}

HANDLE SetClipboardData(UINT format, HANDLE memory) {
    return SetClipboardData(format, static_cast<HGLOBAL>(memory));
}

HANDLE GetClipboardData(UINT format) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    if (!OpenedByCaller(state))
        return nullptr;
    const auto found = state.data.find(format);
    return found == state.data.end() ? nullptr : const_cast<GlobalBlock*>(found->second);
}

BOOL IsClipboardFormatAvailable(UINT format) {
    ClipboardState& state = State();
    std::lock_guard guard(state.lock);
    return state.data.count(format) != 0;
}
