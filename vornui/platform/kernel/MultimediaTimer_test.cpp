#include "vornui/platform/Event.h"
#include "vornui/platform/MultimediaTimer.h"
#include "vornui/platform/TimeSource.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct Ticks {
    std::atomic<int> count{0};
    std::atomic<UINT> lastId{0};
};

void CountTick(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    auto* ticks = reinterpret_cast<Ticks*>(user);
    ticks->lastId = id;
    ++ticks->count;
}

// Kills its own timer on the second tick.
void StopOnSecondTick(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    auto* ticks = reinterpret_cast<Ticks*>(user);
    if (++ticks->count == 2)
        timeKillEvent(id);
}

} // namespace

TEST(MultimediaTimer, PeriodicTimerFiresAsTheSteppedClockMovesAndStops) {
    CSteppedClock clock;
    const DWORD start = timeGetTime();
    Ticks ticks;
    const UINT id = timeSetEvent(10, 5, CountTick, reinterpret_cast<DWORD_PTR>(&ticks),
                                 TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    ASSERT_NE(id, 0u);
    clock.Advance(9);
    EXPECT_EQ(ticks.count, 0);
    clock.Advance(1);
    EXPECT_EQ(ticks.count, 1);
    EXPECT_EQ(ticks.lastId, id);
    clock.Advance(95);
    EXPECT_EQ(ticks.count, 10); // every period that fell due
    EXPECT_EQ(timeGetTime() - start, 105u);
    EXPECT_EQ(timeKillEvent(id), static_cast<MMRESULT>(TIMERR_NOERROR));
    clock.Advance(100);
    EXPECT_EQ(ticks.count, 10);
    EXPECT_EQ(timeKillEvent(id), static_cast<MMRESULT>(MMSYSERR_INVALPARAM));
}

TEST(MultimediaTimer, OneShotAndEventTimersAndSelfKill) {
    CSteppedClock clock;
    Ticks once;
    ASSERT_NE(timeSetEvent(50, 0, CountTick, reinterpret_cast<DWORD_PTR>(&once), TIME_ONESHOT), 0u);
    const HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    const UINT eventTimer = timeSetEvent(20, 1, reinterpret_cast<LPTIMECALLBACK>(event), 0,
                                         TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
    Ticks selfKilled;
    ASSERT_NE(timeSetEvent(5, 1, StopOnSecondTick, reinterpret_cast<DWORD_PTR>(&selfKilled),
                           TIME_PERIODIC),
              0u);
    clock.Advance(20);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_EQ(selfKilled.count, 2);
    clock.Advance(100);
    EXPECT_EQ(once.count, 1);
    EXPECT_EQ(selfKilled.count, 2);
    EXPECT_EQ(timeKillEvent(eventTimer), static_cast<MMRESULT>(TIMERR_NOERROR));
    CloseHandle(event);
}

TEST(MultimediaTimer, RealTimeTimerFiresUntilKilled) {
    const HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    const UINT id = timeSetEvent(1, 1, reinterpret_cast<LPTIMECALLBACK>(event), 0,
                                 TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(WaitForSingleObject(event, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(event, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(timeKillEvent(id), static_cast<MMRESULT>(TIMERR_NOERROR));
    CloseHandle(event);
}

TEST(MultimediaTimer, BadRequestsAreRefused) {
    Ticks ticks;
    const auto user = reinterpret_cast<DWORD_PTR>(&ticks);
    EXPECT_EQ(timeSetEvent(0, 1, CountTick, user, TIME_PERIODIC), 0u);
    EXPECT_EQ(timeSetEvent(1000001, 1, CountTick, user, TIME_PERIODIC), 0u);
    EXPECT_EQ(timeSetEvent(10, 1, nullptr, user, TIME_PERIODIC), 0u);
    EXPECT_EQ(timeSetEvent(10, 1, CountTick, user, 0x20 /* pulse: not offered */), 0u);
    EXPECT_EQ(timeBeginPeriod(0), static_cast<MMRESULT>(TIMERR_NOCANDO));
    EXPECT_EQ(timeBeginPeriod(1), static_cast<MMRESULT>(TIMERR_NOERROR));
    EXPECT_EQ(timeEndPeriod(1), static_cast<MMRESULT>(TIMERR_NOERROR));
    TIMECAPS caps{};
    EXPECT_EQ(timeGetDevCaps(&caps, sizeof caps), static_cast<MMRESULT>(TIMERR_NOERROR));
    EXPECT_EQ(caps.wPeriodMin, 1u);
    EXPECT_EQ(timeGetDevCaps(nullptr, sizeof caps), static_cast<MMRESULT>(MMSYSERR_INVALPARAM));
    EXPECT_EQ(ticks.count, 0);
}
