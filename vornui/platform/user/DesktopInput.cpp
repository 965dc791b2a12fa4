#include "vornui/platform/DesktopInput.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"

#include <atomic>
#include <cstdint>

namespace {

std::atomic<std::uint64_t> g_cursor{0};
std::atomic<UINT> g_doubleClickTime{500};

POINT Unpack(std::uint64_t packed) {
    return POINT{static_cast<LONG>(static_cast<std::uint32_t>(packed >> 32)),
                 static_cast<LONG>(static_cast<std::uint32_t>(packed))};
}

std::uint64_t Pack(POINT point) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(point.x)) << 32) |
           static_cast<std::uint32_t>(point.y);
}

BOOL Post(DWORD threadId, const InputEvent& event) {
    const std::shared_ptr<ThreadMessageQueue> queue = ThreadMessageQueue::OfThread(threadId);
    if (!queue)
        return FALSE;
    queue->PostInput(event);
    return TRUE;
}

} // namespace

BOOL PostMouseInput(DWORD threadId, UINT message, POINT screen) {
    g_cursor = Pack(screen);
    return Post(threadId, InputEvent{message, screen, 0, 0, GetTickCount()});
}

BOOL PostKeyInput(DWORD threadId, UINT virtualKey, BOOL down, char character) {
    POINT cursor;
    GetCursorPos(&cursor);
    return Post(threadId, InputEvent{static_cast<UINT>(down ? WM_KEYDOWN : WM_KEYUP), cursor,
                                     virtualKey, down ? character : '\0', GetTickCount()});
}

UINT GetDoubleClickTime() {
    return g_doubleClickTime;
}

BOOL SetDoubleClickTime(UINT milliseconds) {
    g_doubleClickTime = milliseconds ? milliseconds : 500;
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (!point)
        return FALSE;
    *point = Unpack(g_cursor);
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    g_cursor = Pack(POINT{x, y});
    return TRUE;
}
