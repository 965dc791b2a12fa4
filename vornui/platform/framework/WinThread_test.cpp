#include "vornui/platform/Event.h"
#include "vornui/platform/WinThread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

constexpr DWORD kGuard = 5000; // no wait in these tests may hang

struct Work {
    HANDLE start;
    HANDLE done;
    std::atomic<int> steps{0};
};

UINT Worker(LPVOID parameter) {
    auto* work = static_cast<Work*>(parameter);
    if (WaitForSingleObject(work->start, kGuard) != WAIT_OBJECT_0)
        return 1;
    ++work->steps;
    SetEvent(work->done);
    return 5;
}

} // namespace

TEST(WinThread, AWaitableWorkerIsStartedSuspendedAndKept) {
    Work work{CreateEvent(nullptr, FALSE, FALSE, nullptr),
              CreateEvent(nullptr, TRUE, FALSE, nullptr)};
    CWinThread* thread = AfxBeginThread(Worker, &work, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(thread->m_nThreadID, 0u);
    thread->m_bAutoDelete = FALSE;
    EXPECT_EQ(thread->ResumeThread(), 1u);
    EXPECT_EQ(WaitForSingleObject(thread->m_hThread, 20), WAIT_TIMEOUT); // waits for start
    SetEvent(work.start);
    EXPECT_EQ(WaitForSingleObject(thread->m_hThread, kGuard), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeThread(thread->m_hThread, &exitCode));
    EXPECT_EQ(exitCode, 5u);
    delete thread;

    // A self-deleting worker: the caller only hears of it through the event.
    ResetEvent(work.done);
    ASSERT_NE(AfxBeginThread(Worker, &work), nullptr);
    SetEvent(work.start);
    EXPECT_EQ(WaitForSingleObject(work.done, kGuard), WAIT_OBJECT_0);
    EXPECT_EQ(work.steps, 2);
    EXPECT_EQ(AfxBeginThread(nullptr, nullptr), nullptr);
    CloseHandle(work.start);
    CloseHandle(work.done);
}
