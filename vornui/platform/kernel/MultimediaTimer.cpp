#include "vornui/platform/MultimediaTimer.h"

#include "vornui/platform/Event.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/internal/ClockSteps.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr UINT kMaxDelay = 1000000;

struct MultimediaTimer {
    UINT id;
    UINT period; // the delay; periodic timers come again after it
    bool periodic;
    bool setsEvent;
    LPTIMECALLBACK callback;
    DWORD_PTR user;
    ULONGLONG due;
};

// The timers and the one thread that runs them.
class TimerThread {
public:
    TimerThread() : m_thread([this] { Run(); }) { SetClockStepFollower(&FollowStep); }
    ~TimerThread() {
        SetClockStepFollower(nullptr);
        {
            std::lock_guard guard(m_lock);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    TimerThread(const TimerThread&) = delete;
    TimerThread& operator=(const TimerThread&) = delete;

    static TimerThread& Instance() {
        static TimerThread timers;
        return timers;
    }

    UINT Add(MultimediaTimer timer) {
        {
            std::lock_guard guard(m_lock);
            timer.id = m_nextId++;
            if (m_nextId == 0)
                m_nextId = 1;
            timer.due = DesktopTimeMilliseconds() + timer.period;
            m_timers.push_back(timer);
        }
        m_wake.notify_all();
        return timer.id;
    }

    bool Remove(UINT id) {
        std::unique_lock lock(m_lock);
        const auto removed =
            std::erase_if(m_timers, [id](const MultimediaTimer& timer) { return timer.id == id; });
        if (std::this_thread::get_id() != m_thread.get_id())
            m_changed.wait(lock, [&] { return m_running != id; });
        return removed > 0;
    }

private:
    static void FollowStep() { Instance().CatchUp(); }

    // Runs what the new time makes due, on the timers' thread, and waits for it.
    void CatchUp() {
        const ULONGLONG now = DesktopTimeMilliseconds();
        std::unique_lock lock(m_lock);
        m_wake.notify_all();
        if (std::this_thread::get_id() != m_thread.get_id())
            m_changed.wait(lock, [&] { return m_stop || m_caughtUpTo >= now; });
    }

    MultimediaTimer* NextDue(ULONGLONG now) {
        MultimediaTimer* next = nullptr;
        for (MultimediaTimer& timer : m_timers)
            if (timer.due <= now && (!next || timer.due < next->due))
                next = &timer;
        return next;
    }

    ULONGLONG Soonest() const {
        ULONGLONG soonest = ~0ull;
        for (const MultimediaTimer& timer : m_timers)
            soonest = std::min(soonest, timer.due);
        return soonest;
    }

    void Fire(std::unique_lock<std::mutex>& lock, MultimediaTimer& timer) {
        const MultimediaTimer fired = timer;
        if (fired.periodic)
            timer.due += timer.period;
        else
            std::erase_if(m_timers, [&](const MultimediaTimer& t) { return t.id == fired.id; });
        m_running = fired.id;
        lock.unlock();
        if (fired.setsEvent)
            SetEvent(reinterpret_cast<HANDLE>(fired.callback));
        else
            fired.callback(fired.id, 0, fired.user, 0, 0);
        lock.lock();
        m_running = 0;
        m_changed.notify_all();
    }

    void Run() {
        std::unique_lock lock(m_lock);
        while (!m_stop) {
            const ULONGLONG now = DesktopTimeMilliseconds();
            if (MultimediaTimer* due = NextDue(now)) {
                Fire(lock, *due);
                continue;
            }
            m_caughtUpTo = now;
            m_changed.notify_all();
            const ULONGLONG soonest = Soonest();
            if (soonest == ~0ull || IsDesktopTimeStepped())
                m_wake.wait(lock);
            else
                m_wake.wait_for(lock, std::chrono::milliseconds(soonest - now));
        }
        m_changed.notify_all();
    }

    std::mutex m_lock;
    std::condition_variable m_wake;    // the timers or the time changed
    std::condition_variable m_changed; // a callback ended, or the thread caught up
    std::vector<MultimediaTimer> m_timers;
    UINT m_nextId = 1;
    UINT m_running = 0;
    ULONGLONG m_caughtUpTo = 0;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace

MMRESULT timeSetEvent(UINT delay, UINT, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags) {
    const UINT known = TIME_PERIODIC | TIME_CALLBACK_EVENT_SET | TIME_KILL_SYNCHRONOUS;
    if (delay == 0 || delay > kMaxDelay || !callback || (flags & ~known))
        return 0;
    return TimerThread::Instance().Add(MultimediaTimer{0, delay, (flags & TIME_PERIODIC) != 0,
                                                       (flags & TIME_CALLBACK_EVENT_SET) != 0,
                                                       callback, user, 0});
}

MMRESULT timeKillEvent(UINT timerId) {
    return TimerThread::Instance().Remove(timerId) ? TIMERR_NOERROR : MMSYSERR_INVALPARAM;
}

DWORD timeGetTime() {
    return static_cast<DWORD>(DesktopTimeMilliseconds());
}

MMRESULT timeBeginPeriod(UINT period) {
    return period >= 1 && period <= kMaxDelay ? TIMERR_NOERROR : TIMERR_NOCANDO;
}

MMRESULT timeEndPeriod(UINT period) {
    return timeBeginPeriod(period);
}

MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT size) {
    if (!caps || size < sizeof(TIMECAPS))
        return MMSYSERR_INVALPARAM;
    *caps = TIMECAPS{1, kMaxDelay};
    return TIMERR_NOERROR;
}
