#include "vornui/platform/DesktopInput.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstdint>

namespace {

std::atomic<std::uint64_t> g_cursor{0};
std::atomic<UINT> g_doubleClickTime{500};
std::array<std::atomic<bool>, 256> g_keysDown{}; // what the person holds down now

void NoteButton(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        g_keysDown[VK_LBUTTON] = message == WM_LBUTTONDOWN;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        g_keysDown[VK_RBUTTON] = message == WM_RBUTTONDOWN;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        g_keysDown[VK_MBUTTON] = message == WM_MBUTTONDOWN;
        break;
    default:
        break;
    }
}

POINT Unpack(std::uint64_t packed) {
    return POINT{static_cast<LONG>(static_cast<std::uint32_t>(packed >> 32)),
                 static_cast<LONG>(static_cast<std::uint32_t>(packed))};
}

std::uint64_t Pack(POINT point) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(point.x)) << 32) |
           static_cast<std::uint32_t>(point.y);
}

bool ButtonMessage(UINT message) {
    return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK &&
           message != WM_LBUTTONDBLCLK && message != WM_RBUTTONDBLCLK &&
           message != WM_MBUTTONDBLCLK;
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
    if (message != WM_MOUSEMOVE && !ButtonMessage(message))
        return FALSE;
    g_cursor = Pack(screen);
    NoteButton(message);
    return Post(threadId, InputEvent{message, screen, 0, 0, GetTickCount()});
}

BOOL PostMouseWheel(DWORD threadId, POINT screen, int delta) {
    g_cursor = Pack(screen);
    const auto turned = static_cast<short>(std::clamp(delta, SHRT_MIN + 1, SHRT_MAX));
    return Post(threadId, InputEvent{WM_MOUSEWHEEL, screen, 0, 0, GetTickCount(), turned});
}

SHORT GetAsyncKeyState(int virtualKey) {
    return g_keysDown[static_cast<size_t>(virtualKey & 0xFF)] ? static_cast<SHORT>(0x8000) : 0;
}

BOOL PostKeyInput(DWORD threadId, UINT virtualKey, BOOL down, char character) {
    g_keysDown[virtualKey & 0xFF] = down != FALSE;
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
