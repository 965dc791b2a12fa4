#include "vornui/platform/internal/ThreadMessageQueue.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ClockSteps.h"
#include "vornui/platform/internal/TemporaryWrappers.h"
#include "vornui/platform/internal/UpdateRegions.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

struct QueueRegistry {
    std::mutex lock;
    std::map<DWORD, std::weak_ptr<ThreadMessageQueue>> queues;
};

QueueRegistry& Queues() {
    static QueueRegistry* const registry = new QueueRegistry; // outlives every thread
    return *registry;
}

// Takes the thread's queue out of the registry when the thread ends, so that a later
// thread with the same id starts afresh.
struct CurrentQueueHolder {
    std::shared_ptr<ThreadMessageQueue> queue;
    ~CurrentQueueHolder() {
        if (!queue)
            return;
        // Destroyed windows point back at the queue; letting them go ends the cycle.
        queue->FreeGraveyard();
        std::lock_guard guard(Queues().lock);
        Queues().queues.erase(queue->ThreadId());
    }
};

thread_local CurrentQueueHolder t_current;

bool InRange(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

} // namespace

bool MessageMatchesFilter(const MSG& msg, HWND filter, UINT filterMin, UINT filterMax) {
    if (!InRange(msg.message, filterMin, filterMax))
        return false;
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return msg.hwnd == nullptr;
    return msg.hwnd == filter || IsChild(filter, msg.hwnd);
}

ThreadMessageQueue::ThreadMessageQueue(DWORD threadId)
    : m_threadId(threadId), m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    SetClockStepFollower(ClockFollower::MessageQueues, &ThreadMessageQueue::WakeAll);
}

ThreadMessageQueue::~ThreadMessageQueue() {
    if (m_wakeFd >= 0)
        close(m_wakeFd);
}

const std::shared_ptr<ThreadMessageQueue>& ThreadMessageQueue::Current() {
    if (!t_current.queue) {
        t_current.queue = std::make_shared<ThreadMessageQueue>(GetCurrentThreadId());
        std::lock_guard guard(Queues().lock);
        Queues().queues[t_current.queue->ThreadId()] = t_current.queue;
    }
    return t_current.queue;
}

std::shared_ptr<ThreadMessageQueue> ThreadMessageQueue::OfThread(DWORD threadId) {
    std::lock_guard guard(Queues().lock);
    const auto found = Queues().queues.find(threadId);
    return found == Queues().queues.end() ? nullptr : found->second.lock();
}

void ThreadMessageQueue::WakeAll() {
    std::lock_guard guard(Queues().lock);
    for (const auto& [threadId, weak] : Queues().queues)
        if (const auto queue = weak.lock())
            queue->Wake();
}

void ThreadMessageQueue::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_wakeFd, &one, sizeof one);
}

void ThreadMessageQueue::DrainWake() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read_ = read(m_wakeFd, &count, sizeof count);
}

// The owner thread posts while it runs, so it looks at the queue before it next waits:
// only other threads need to wake it.
void ThreadMessageQueue::Post(const MSG& msg) {
    {
        std::lock_guard guard(m_lock);
        m_posted.push_back(msg);
    }
    if (t_current.queue.get() != this)
        Wake();
}

void ThreadMessageQueue::PostInput(const InputEvent& event) {
    {
        std::lock_guard guard(m_lock);
        m_input.push_back(event);
    }
    Wake();
}

void ThreadMessageQueue::PostSent(const std::shared_ptr<SentMessage>& sent) {
    {
        std::lock_guard guard(m_lock);
        m_sent.push_back(sent);
    }
    Wake();
}

void ThreadMessageQueue::PostQuit(int exitCode) {
    {
        std::lock_guard guard(m_lock);
        m_quit = true;
        m_exitCode = exitCode;
    }
    Wake();
}

void ThreadMessageQueue::CompleteSent(SentMessage& sent, LRESULT result) {
    {
        std::lock_guard guard(m_lock);
        sent.result = result;
        sent.done = true;
    }
    Wake();
}

bool ThreadMessageQueue::IsSentDone(const SentMessage& sent) {
    std::lock_guard guard(m_lock);
    return sent.done;
}

void ThreadMessageQueue::DispatchIncomingSent() {
    for (;;) {
        std::shared_ptr<SentMessage> sent;
        {
            std::lock_guard guard(m_lock);
            if (m_sent.empty())
                return;
            sent = m_sent.front();
            m_sent.pop_front();
        }
        const MSG& msg = sent->msg;
        const LRESULT result =
            IsWindow(msg.hwnd) ? SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam) : 0;
        sent->sender->CompleteSent(*sent, result);
    }
}

bool ThreadMessageQueue::TakePosted(MSG* msg, HWND filter, UINT filterMin, UINT filterMax,
                                    bool remove) {
    std::lock_guard guard(m_lock);
    const auto found = std::find_if(m_posted.begin(), m_posted.end(), [&](const MSG& posted) {
        return MessageMatchesFilter(posted, filter, filterMin, filterMax);
    });
    if (found == m_posted.end())
        return false;
    *msg = *found;
    if (remove)
        m_posted.erase(found);
    return true;
}

bool ThreadMessageQueue::TakeInput(MSG* msg, HWND filter, UINT filterMin, UINT filterMax,
                                   bool remove) {
    for (;;) {
        InputEvent event;
        {
            std::lock_guard guard(m_lock);
            if (m_input.empty())
                return false;
            event = m_input.front();
            if (!InRange(event.message, filterMin, filterMax))
                return false;
            if (remove)
                m_input.pop_front();
        }
        if (RouteInput(event, msg, remove) &&
            MessageMatchesFilter(*msg, filter, filterMin, filterMax))
            return true;
        if (!remove)
            return false;
    }
}

bool ThreadMessageQueue::TakePaint(MSG* msg, HWND filter, UINT filterMin, UINT filterMax) {
    const unsigned long long changes = PaintChanges();
    if (changes == m_nothingToPaintAt)
        return false;
    bool anyToPaint = false;
    for (HWND hwnd : windows) {
        const WindowRecord* record = LiveWindow(hwnd);
        if (!record || !NeedsPainting(*record) || !IsWindowVisible(hwnd))
            continue;
        anyToPaint = true;
        const MSG paint{hwnd, WM_PAINT, 0, 0, GetTickCount(), {}};
        if (MessageMatchesFilter(paint, filter, filterMin, filterMax)) {
            *msg = paint;
            return true;
        }
    }
    if (!anyToPaint)
        m_nothingToPaintAt = changes;
    return false;
}

bool ThreadMessageQueue::TakeTimer(MSG* msg, HWND filter, UINT filterMin, UINT filterMax,
                                   bool remove) {
    if (timers.empty())
        return false; // without asking the clock, which a busy poller would ask every time
    const ULONGLONG now = DesktopTimeMilliseconds();
    ThreadTimer* earliest = nullptr;
    for (ThreadTimer& timer : timers) {
        const MSG candidate{timer.hwnd, WM_TIMER, 0, 0, 0, {}};
        if (timer.due <= now && MessageMatchesFilter(candidate, filter, filterMin, filterMax) &&
            (!earliest || timer.due < earliest->due))
            earliest = &timer;
    }
    if (!earliest)
        return false;
    *msg = MSG{earliest->hwnd, WM_TIMER, earliest->id, reinterpret_cast<LPARAM>(earliest->proc),
               GetTickCount(), {}};
    if (remove)
        earliest->due = now + earliest->elapse;
    return true;
}

std::chrono::milliseconds ThreadMessageQueue::TimeToNextTimer() const {
    const bool hovering = tracking.hwnd && (tracking.flags & TME_HOVER);
    if (timers.empty() && !hovering)
        return std::chrono::milliseconds(-1);
    const ULONGLONG now = DesktopTimeMilliseconds();
    ULONGLONG soonest = hovering ? tracking.hoverDue : timers.front().due;
    for (const ThreadTimer& timer : timers)
        soonest = std::min(soonest, timer.due);
    if (soonest <= now)
        return std::chrono::milliseconds(0);
    // Stepped time moves only when a test steps it, and a step wakes every queue.
    if (IsDesktopTimeStepped())
        return std::chrono::milliseconds(-1);
    return std::chrono::milliseconds(soonest - now);
}

bool ThreadMessageQueue::PollSources(std::chrono::milliseconds timeout) {
    // Nothing to look at and no time to wait: a look would only drain the wake-up, which
    // the next sleep does as well. A program that polls its queue often (a worker asking
    // whether it was cancelled) saves a system call each time.
    if (sources.empty() && timeout.count() == 0)
        return false;
    std::vector<pollfd> fds{pollfd{m_wakeFd, POLLIN, 0}};
    std::vector<std::pair<ILoopWaitSource*, size_t>> spans;
    for (ILoopWaitSource* source : sources) {
        const size_t first = fds.size();
        source->CollectPollFds(fds);
        spans.emplace_back(source, first);
    }
    const int ready = poll(fds.data(), fds.size(), static_cast<int>(timeout.count()));
    if (fds[0].revents)
        DrainWake();
    if (ready <= 0)
        return false;
    bool acted = false;
    for (size_t index = 0; index < spans.size(); ++index) {
        const size_t first = spans[index].second;
        const size_t end = index + 1 < spans.size() ? spans[index + 1].second : fds.size();
        const std::span<const pollfd> own(fds.data() + first, end - first);
        if (std::any_of(own.begin(), own.end(), [](const pollfd& fd) { return fd.revents; })) {
            // A source may remove itself while it is told; look it up again.
            if (std::find(sources.begin(), sources.end(), spans[index].first) != sources.end())
                spans[index].first->OnPollResult(own);
            acted = true;
        }
    }
    return acted;
}

void ThreadMessageQueue::Sleep() {
    pollfd wake{m_wakeFd, POLLIN, 0};
    if (poll(&wake, 1, -1) > 0)
        DrainWake();
}

void ThreadMessageQueue::FreeGraveyard() {
    for (HWND hwnd : std::exchange(graveyard, {}))
        FreeWindowRecord(hwnd);
}

// Read on every message: this model finds it with one load instead of a call into the
// loader, and its few bytes leave room for the library to be loaded late.
[[gnu::tls_model("initial-exec")]] constinit thread_local int ProcedureCall::t_running = 0;

bool ThreadMessageQueue::Retrieve(MSG* msg, HWND filter, UINT filterMin, UINT filterMax,
                                  UINT remove, bool wait) {
    FreeGraveyard();
    const bool removing = (remove & PM_REMOVE) != 0;
    for (;;) {
        DispatchIncomingSent();
        if (TakePosted(msg, filter, filterMin, filterMax, removing) ||
            TakeInput(msg, filter, filterMin, filterMax, removing)) {
            lastMessage = *msg;
            return true;
        }
        {
            std::lock_guard guard(m_lock);
            if (m_quit && InRange(WM_QUIT, filterMin, filterMax)) {
                *msg =
                    MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_exitCode), 0, GetTickCount(), {}};
                if (removing)
                    m_quit = false;
                return true;
            }
        }
        if (TakePaint(msg, filter, filterMin, filterMax) ||
            TakeTimer(msg, filter, filterMin, filterMax, removing) ||
            TakeHover(msg, filter, filterMin, filterMax, removing)) {
            lastMessage = *msg;
            return true;
        }
        if (PollSources(std::chrono::milliseconds(0)))
            continue;
        if (!ProcedureCall::AnyRunning())
            ReleaseTemporaryWrappers(); // the thread is idle
        if (!wait)
            return false;
        PollSources(TimeToNextTimer());
    }
}

void ThreadMessageQueue::Forget(HWND hwnd) {
    std::erase(windows, hwnd);
    std::erase_if(timers, [hwnd](const ThreadTimer& timer) { return timer.hwnd == hwnd; });
    if (focus == hwnd)
        focus = nullptr;
    if (capture == hwnd)
        capture = nullptr;
    if (tracking.hwnd == hwnd)
        tracking = MouseTracking{};
    if (active == hwnd)
        active = nullptr;
}
