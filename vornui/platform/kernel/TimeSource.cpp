#include "vornui/platform/TimeSource.h"

#include "vornui/platform/internal/ClockSteps.h"

#include <atomic>
#include <chrono>
#include <mutex>

namespace {

struct DesktopClock {
    std::mutex lock;
    bool stepped = false;
    ULONGLONG frozenAt = 0;
    long long offset = 0; // added to the real clock once stepping has ended
};

// Never destroyed: the timers' thread may read it while the process ends.
DesktopClock& Clock() {
    static DesktopClock* const clock = new DesktopClock;
    return *clock;
}

std::atomic<void (*)()> g_follower{nullptr};

long long RealMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ULONGLONG NowLocked(const DesktopClock& clock) {
    return clock.stepped ? clock.frozenAt
                         : static_cast<ULONGLONG>(RealMilliseconds() + clock.offset);
}

void TellFollower() {
    if (void (*follower)() = g_follower.load())
        follower();
}

} // namespace

ULONGLONG DesktopTimeMilliseconds() {
    std::lock_guard guard(Clock().lock);
    return NowLocked(Clock());
}

bool IsDesktopTimeStepped() {
    std::lock_guard guard(Clock().lock);
    return Clock().stepped;
}

void SetClockStepFollower(void (*follower)()) {
    g_follower = follower;
}

CSteppedClock::CSteppedClock() {
    std::lock_guard guard(Clock().lock);
    Clock().frozenAt = NowLocked(Clock());
    Clock().stepped = true;
}

CSteppedClock::~CSteppedClock() {
    {
        std::lock_guard guard(Clock().lock);
        Clock().offset = static_cast<long long>(Clock().frozenAt) - RealMilliseconds();
        Clock().stepped = false;
    }
    TellFollower();
}

void CSteppedClock::Advance(DWORD milliseconds) {
    {
        std::lock_guard guard(Clock().lock);
        Clock().frozenAt += milliseconds;
    }
    TellFollower();
}
