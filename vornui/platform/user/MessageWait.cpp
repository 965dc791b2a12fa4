#include "vornui/platform/MessageWait.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowMessages.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// How often the queue is looked at while the objects are waited for.
constexpr DWORD kQueueSlice = 5;

DWORD QueueStatusOf(UINT message) {
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
        return QS_KEY;
    if (message == WM_MOUSEMOVE)
        return QS_MOUSEMOVE;
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        return QS_MOUSEBUTTON;
    if (message == WM_TIMER)
        return QS_TIMER;
    if (message == WM_PAINT)
        return QS_PAINT;
    return QS_POSTMESSAGE;
}

// Whether the queue holds input of the kinds asked for. Looking answers messages sent
// from other threads and lets the loop's wait sources post theirs.
bool HasInput(DWORD wakeMask) {
    MSG msg;
    return PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE) &&
           (QueueStatusOf(msg.message) & wakeMask) != 0;
}

} // namespace

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll,
                                DWORD milliseconds, DWORD wakeMask) {
    if (count >= MAXIMUM_WAIT_OBJECTS || (count > 0 && !handles)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const bool input = HasInput(wakeMask);
        if (input && (!waitAll || count == 0))
            return WAIT_OBJECT_0 + count;
        DWORD slice = kQueueSlice;
        if (milliseconds != INFINITE) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            slice = static_cast<DWORD>(std::clamp<long long>(left.count(), 0, kQueueSlice));
        }
        if (count > 0 && (!waitAll || input)) {
            const DWORD result = WaitForMultipleObjects(count, handles, waitAll, slice);
            if (result != WAIT_TIMEOUT)
                return result;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
        }
        if (milliseconds != INFINITE && Clock::now() >= deadline)
            return WAIT_TIMEOUT;
    }
}
