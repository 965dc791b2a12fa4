#include "vornui/platform/Event.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Mutex.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr DWORD kGuard = 5000; // no wait in these tests may hang

struct PingPong {
    HANDLE ping;
    HANDLE pong;
    std::atomic<int> rounds{0};
};

// Answers each ping with a pong until it has done three rounds.
DWORD Responder(LPVOID parameter) {
    auto* game = static_cast<PingPong*>(parameter);
    for (int round = 0; round < 3; ++round) {
        if (WaitForSingleObject(game->ping, kGuard) != WAIT_OBJECT_0)
            return 1;
        ++game->rounds;
        SetEvent(game->pong);
    }
    return 7;
}

DWORD ReportId(LPVOID parameter) {
    *static_cast<DWORD*>(parameter) = GetCurrentThreadId();
    return 0;
}

} // namespace

TEST(KernelWait, TwoThreadsTakeTurnsThroughAutomaticEvents) {
    PingPong game{CreateEvent(nullptr, FALSE, FALSE, nullptr),
                  CreateEvent(nullptr, FALSE, FALSE, nullptr)};
    const HANDLE thread = CreateThread(nullptr, 0, Responder, &game, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    for (int round = 1; round <= 3; ++round) {
        EXPECT_TRUE(SetEvent(game.ping));
        ASSERT_EQ(WaitForSingleObject(game.pong, kGuard), WAIT_OBJECT_0);
        EXPECT_EQ(game.rounds, round);
        EXPECT_EQ(WaitForSingleObject(game.pong, 0), WAIT_TIMEOUT); // reset itself
    }
    EXPECT_EQ(WaitForSingleObject(thread, kGuard), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &exitCode));
    EXPECT_EQ(exitCode, 7u);
    for (HANDLE handle : {thread, game.ping, game.pong})
        EXPECT_TRUE(CloseHandle(handle));
}

TEST(KernelWait, ManualEventsReleaseEveryWaiterUntilReset) {
    const HANDLE gate = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> passed{0};
    std::thread first([&] { passed += WaitForSingleObject(gate, kGuard) == WAIT_OBJECT_0; });
    std::thread second([&] { passed += WaitForSingleObject(gate, kGuard) == WAIT_OBJECT_0; });
    EXPECT_TRUE(SetEvent(gate));
    first.join();
    second.join();
    EXPECT_EQ(passed, 2);
    EXPECT_EQ(WaitForSingleObject(gate, 0), WAIT_OBJECT_0); // still signalled
    EXPECT_TRUE(ResetEvent(gate));
    EXPECT_EQ(WaitForSingleObject(gate, 10), WAIT_TIMEOUT);

    const HANDLE initiallySet = CreateEvent(nullptr, FALSE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(initiallySet, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(initiallySet, 0), WAIT_TIMEOUT);

    const HANDLE named = CreateEvent(nullptr, TRUE, FALSE, "vornui.event.test");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    const HANDLE again = CreateEvent(nullptr, FALSE, FALSE, "vornui.event.test");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    SetEvent(again);
    EXPECT_EQ(WaitForSingleObject(named, 0), WAIT_OBJECT_0);
    for (HANDLE handle : {gate, initiallySet, named, again})
        CloseHandle(handle);
}

TEST(KernelWait, SeveralObjectsAnswerAsTheSystemDoes) {
    const HANDLE events[] = {CreateEvent(nullptr, FALSE, FALSE, nullptr),
                             CreateEvent(nullptr, FALSE, FALSE, nullptr),
                             CreateEvent(nullptr, TRUE, FALSE, nullptr)};
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 10), WAIT_TIMEOUT);
    SetEvent(events[2]);
    SetEvent(events[1]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_OBJECT_0 + 1); // lowest wins
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_OBJECT_0 + 2);

    // Waiting for all takes nothing until all are signalled.
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, 10), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(events[2], 0), WAIT_OBJECT_0);
    std::thread setter([&] {
        SetEvent(events[0]);
        SetEvent(events[1]);
    });
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, kGuard), WAIT_OBJECT_0);
    setter.join();
    EXPECT_EQ(WaitForMultipleObjects(2, events, FALSE, 0), WAIT_TIMEOUT); // both taken

    // A mutex abandoned by its owner is named by its index.
    const HANDLE mutex = CreateMutex(nullptr, FALSE, nullptr);
    std::thread([&] { WaitForSingleObject(mutex, 0); }).join();
    const HANDLE mixed[] = {events[0], mutex};
    EXPECT_EQ(WaitForMultipleObjects(2, mixed, FALSE, 0), WAIT_ABANDONED_0 + 1);
    EXPECT_TRUE(ReleaseMutex(mutex));

    const HANDLE doubled[] = {events[2], events[2]};
    EXPECT_EQ(WaitForMultipleObjects(2, doubled, TRUE, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WaitForMultipleObjects(0, events, FALSE, 0), WAIT_FAILED);
    for (HANDLE handle : events)
        CloseHandle(handle);
    CloseHandle(mutex);
}

TEST(KernelWait, SuspendedThreadsStartOnResume) {
    DWORD reported = 0;
    DWORD id = 0;
    const HANDLE thread = CreateThread(nullptr, 0, ReportId, &reported, CREATE_SUSPENDED, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(WaitForSingleObject(thread, 20), WAIT_TIMEOUT);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &exitCode));
    EXPECT_EQ(exitCode, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(ResumeThread(thread), 1u);
    EXPECT_EQ(WaitForSingleObject(thread, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(reported, id);
    EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_NORMAL));
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(KernelWait, BadHandlesFailAndSayWhy) {
    int notAnObject = 0;
    EXPECT_EQ(WaitForSingleObject(&notAnObject, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    const HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    EXPECT_TRUE(CloseHandle(event));
    EXPECT_FALSE(CloseHandle(event)); // closed twice
    EXPECT_FALSE(SetEvent(event));
    const HANDLE mutex = CreateMutex(nullptr, FALSE, nullptr);
    EXPECT_FALSE(SetEvent(mutex)); // a mutex is no event
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(ResumeThread(mutex), static_cast<DWORD>(-1));
    CloseHandle(mutex);
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
}
