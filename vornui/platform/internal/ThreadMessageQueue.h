#pragma once

// Inside the message loop: the queue of one thread, with the thread's input state (focus,
// capture, active window, keys), its timers and its wait sources. Other threads reach a
// queue only through Post, PostInput and PostSent, which lock; everything else belongs to
// the owner thread.

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowTypes.h"

#include <array>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class ThreadMessageQueue;

// Input as the desktop delivers it, before the queue decides which window gets it.
struct InputEvent {
    UINT message;    // WM_LBUTTONDOWN ..., WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_KEYDOWN, WM_KEYUP
    POINT screen;    // mouse events: the pointer in screen coordinates
    UINT key;        // key events: the virtual key
    char character;  // key-down events: the character the key types, 0 for none
    DWORD time;      // when the desktop delivered it
    short delta = 0; // WM_MOUSEWHEEL: how far the wheel turned
};

// What TrackMouseEvent asked for, and where the pointer started resting.
struct MouseTracking {
    HWND hwnd = nullptr;
    DWORD flags = 0;
    DWORD hoverTime = 0;
    POINT restingAt{};
    ULONGLONG hoverDue = 0; // on the desktop's time
};

struct SentMessage {
    MSG msg;
    std::shared_ptr<ThreadMessageQueue> sender;
    LRESULT result = 0;
    bool done = false; // guarded by the sender's queue
};

struct ThreadTimer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    ULONGLONG due; // on the desktop's time
};

class ThreadMessageQueue {
public:
    explicit ThreadMessageQueue(DWORD threadId);
    ~ThreadMessageQueue();
    ThreadMessageQueue(const ThreadMessageQueue&) = delete;
    ThreadMessageQueue& operator=(const ThreadMessageQueue&) = delete;

    // The calling thread's queue, made on first use.
    static const std::shared_ptr<ThreadMessageQueue>& Current();
    // The queue of another thread, null when that thread has none.
    static std::shared_ptr<ThreadMessageQueue> OfThread(DWORD threadId);
    // After a step of the desktop's time: every waiting thread looks at its timers again.
    static void WakeAll();

    DWORD ThreadId() const { return m_threadId; }

    // Any thread.
    void Post(const MSG& msg);
    void PostInput(const InputEvent& event);
    void PostSent(const std::shared_ptr<SentMessage>& sent);
    void PostQuit(int exitCode);
    void CompleteSent(SentMessage& sent, LRESULT result);
    bool IsSentDone(const SentMessage& sent);

    // Owner thread.
    void DispatchIncomingSent();
    bool Retrieve(MSG* msg, HWND filter, UINT filterMin, UINT filterMax, UINT remove, bool wait);
    // Sleeps until something is posted, without consulting the wait sources.
    void Sleep();
    void Forget(HWND hwnd); // a destroyed window leaves the thread's state

    std::vector<HWND> windows;   // created on this thread, in creation order
    std::vector<HWND> graveyard; // destroyed windows, freed at the next retrieval
    void FreeGraveyard();
    std::vector<ThreadTimer> timers;
    std::vector<ILoopWaitSource*> sources;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    std::array<BYTE, 256> keyState{};
    char pendingCharacter = 0; // of the last key-down message retrieved
    MSG lastMessage{};
    MSG lastButtonDown{};  // for telling a double click (screen point, time)
    bool altAlone = false; // Alt is down and no other key went down since
    MouseTracking tracking;

private:
    bool TakePosted(MSG* msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);
    bool TakeInput(MSG* msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);
    bool TakePaint(MSG* msg, HWND filter, UINT filterMin, UINT filterMax);
    bool TakeTimer(MSG* msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);
    // Decides the message an input event becomes; the thread's input state (keys, the
    // last press) changes only when the event is taken, not when it is peeked at.
    bool RouteInput(const InputEvent& event, MSG* msg, bool take);
    bool RouteKey(const InputEvent& event, MSG* msg, bool take);
    bool RouteMouse(const InputEvent& event, MSG* msg, bool take);
    void DetectDoubleClick(MSG& msg, const InputEvent& event, bool clientArea, bool take);
    // Ends or restarts what TrackMouseEvent watches, now that the pointer is over `target`.
    void FollowPointer(HWND target, LRESULT hit, POINT screen, DWORD time);
    bool TakeHover(MSG* msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);
    bool PollSources(std::chrono::milliseconds timeout);
    std::chrono::milliseconds TimeToNextTimer() const;
    void Wake();
    void DrainWake();

    const DWORD m_threadId;
    const int m_wakeFd;
    std::mutex m_lock;
    std::deque<MSG> m_posted;
    std::deque<InputEvent> m_input;
    std::deque<std::shared_ptr<SentMessage>> m_sent;
    bool m_quit = false;
    // PaintChanges() when a look found no window of the thread to paint.
    unsigned long long m_nothingToPaintAt = ~0ULL;
    int m_exitCode = 0;
};

// Marks a window procedure (or timer procedure) running on the calling thread. The loop
// lets go of the thread's temporary wrappers only when it runs dry outside every
// procedure, so that a wrapper lasts at least as long as the message that got it.
// Every message passes here once or twice (a subclassed window's procedure calls the one it
// replaced), so the count is kept where the thread finds it with one load and counted inline.
class ProcedureCall {
public:
    ProcedureCall() { ++t_running; }
    ~ProcedureCall() { --t_running; }
    ProcedureCall(const ProcedureCall&) = delete;
    ProcedureCall& operator=(const ProcedureCall&) = delete;
    static bool AnyRunning() { return t_running > 0; }

private:
    [[gnu::tls_model("initial-exec")]] static constinit thread_local int t_running;
};

// Calls a window procedure as CallWindowProc does, inline on the paths every message takes
// (sending, dispatching, a subclass handing on to the procedure it replaced).
inline LRESULT CallProcedure(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!proc)
        return 0;
    const ProcedureCall running;
    return proc(hwnd, message, wParam, lParam);
}

// True when `msg` passes a GetMessage/PeekMessage filter.
bool MessageMatchesFilter(const MSG& msg, HWND filter, UINT filterMin, UINT filterMax);
