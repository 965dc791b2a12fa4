#include "vornui/platform/MessageLoop.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/CapturedInput.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <chrono>

ILoopWaitSource::~ILoopWaitSource() = default;

namespace {

ThreadMessageQueue& CurrentQueue() {
    return *ThreadMessageQueue::Current();
}

LRESULT SendToOtherThread(ThreadMessageQueue& target, const MSG& msg) {
    const std::shared_ptr<ThreadMessageQueue>& own = ThreadMessageQueue::Current();
    auto sent = std::make_shared<SentMessage>();
    sent->msg = msg;
    sent->sender = own;
    target.PostSent(sent);
    // Messages sent to this thread meanwhile are answered, so two threads sending to each
    // other do not deadlock.
    while (!own->IsSentDone(*sent)) {
        own->DispatchIncomingSent();
        if (own->IsSentDone(*sent))
            break;
        own->Sleep();
    }
    return sent->result;
}

// A window the thread's cache does not hold: one of another thread, or of this thread not
// looked up lately.
[[gnu::noinline]] LRESULT SendLookedUp(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<ThreadMessageQueue> otherQueue;
    if (const WindowRecord* own = MessageTarget(hwnd, otherQueue))
        return CallProcedure(own->proc, hwnd, message, wParam, lParam);
    if (otherQueue)
        return SendToOtherThread(*otherQueue,
                                 MSG{hwnd, message, wParam, lParam, GetTickCount(), {}});
    return 0; // gone, or the desktop, which takes no messages
}

} // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nearly every message goes to a window of the sending thread, found in its cache: that
    // path holds no queue and calls the procedure at once.
    if (const WindowRecord* own = CachedOwnWindow(hwnd))
        return CallProcedure(own->proc, hwnd, message, wParam, lParam);
    return SendLookedUp(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG msg{hwnd, message, wParam, lParam, GetTickCount(), {}};
    if (!hwnd) {
        CurrentQueue().Post(msg);
        return TRUE;
    }
    DWORD threadId = 0;
    std::shared_ptr<ThreadMessageQueue> queue;
    if (!WindowOwner(hwnd, threadId, queue))
        return FALSE;
    queue->Post(msg);
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<ThreadMessageQueue> queue = ThreadMessageQueue::OfThread(threadId);
    if (!queue) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    queue->Post(MSG{nullptr, message, wParam, lParam, GetTickCount(), {}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    CurrentQueue().PostQuit(exitCode);
}

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd && !IsWindow(hwnd))
        return -1;
    LetUserActWhileCaptured();
    CurrentQueue().Retrieve(msg, hwnd, filterMin, filterMax, PM_REMOVE, true);
    return msg->message != WM_QUIT;
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    return CurrentQueue().Retrieve(msg, hwnd, filterMin, filterMax, remove, false);
}

BOOL WaitMessage() {
    MSG msg;
    ThreadMessageQueue& queue = CurrentQueue();
    if (!queue.Retrieve(&msg, nullptr, 0, 0, PM_NOREMOVE, false))
        queue.Retrieve(&msg, nullptr, 0, 0, PM_NOREMOVE, true);
    return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)
        return FALSE;
    ThreadMessageQueue& queue = CurrentQueue();
    const char character = queue.pendingCharacter;
    queue.pendingCharacter = 0;
    if (!character)
        return FALSE;
    queue.Post(MSG{msg->hwnd, msg->message == WM_KEYDOWN ? UINT{WM_CHAR} : UINT{WM_SYSCHAR},
                   static_cast<WPARAM>(static_cast<unsigned char>(character)), msg->lParam,
                   msg->time, msg->pt});
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (msg->message == WM_TIMER && msg->lParam) {
        const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        const ProcedureCall running;
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    WindowRecord* record = LiveWindow(msg->hwnd);
    if (!record || record->threadId != GetCurrentThreadId())
        return 0;
    return CallProcedure(record->proc, msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() {
    return CurrentQueue().lastMessage.time;
}

DWORD GetMessagePos() {
    const POINT pt = CurrentQueue().lastMessage.pt;
    return static_cast<DWORD>(MAKELONG(pt.x, pt.y));
}

DWORD GetTickCount() {
    return static_cast<DWORD>(DesktopTimeMilliseconds());
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd) {
        DWORD threadId = 0;
        std::shared_ptr<ThreadMessageQueue> owner;
        if (!WindowOwner(hwnd, threadId, owner))
            return 0;
        if (threadId != GetCurrentThreadId()) {
            SetLastError(ERROR_WINDOW_OF_OTHER_THREAD);
            return 0;
        }
    }
    ThreadMessageQueue& queue = CurrentQueue();
    if (!hwnd) {
        // A timer without a window gets an id of its own, different from every other.
        id = 1;
        while (
            std::any_of(queue.timers.begin(), queue.timers.end(),
                        [id](const ThreadTimer& timer) { return !timer.hwnd && timer.id == id; }))
            ++id;
    }
    elapse = std::clamp<UINT>(elapse, 10, 0x7FFFFFFF);
    const ULONGLONG due = DesktopTimeMilliseconds() + elapse;
    for (ThreadTimer& timer : queue.timers) {
        if (timer.hwnd == hwnd && timer.id == id) {
            timer = ThreadTimer{hwnd, id, elapse, proc, due};
            return hwnd && !id ? 1 : id;
        }
    }
    queue.timers.push_back(ThreadTimer{hwnd, id, elapse, proc, due});
    return hwnd && !id ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return std::erase_if(CurrentQueue().timers, [&](const ThreadTimer& timer) {
               return timer.hwnd == hwnd && timer.id == id;
           }) > 0;
}

void AddLoopWaitSource(ILoopWaitSource* source) {
    CurrentQueue().sources.push_back(source);
}

void RemoveLoopWaitSource(ILoopWaitSource* source) {
    std::erase(CurrentQueue().sources, source);
}
