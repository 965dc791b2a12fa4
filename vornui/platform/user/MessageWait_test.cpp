#include "vornui/platform/Event.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/MessageWait.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/WindowMessages.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr DWORD kGuard = 5000; // no wait in these tests may hang

void DrainQueue() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace

TEST(MessageWait, AUserInterfaceThreadWaitsAndStillHearsItsQueue) {
    DrainQueue();
    const HANDLE event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 10, QS_ALLINPUT), WAIT_TIMEOUT);

    // A message posted from another thread ends the wait with WAIT_OBJECT_0 + count.
    const DWORD self = GetCurrentThreadId();
    std::thread poster([self] { PostThreadMessage(self, WM_USER + 7, 1, 2); });
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, kGuard, QS_ALLINPUT), WAIT_OBJECT_0 + 1);
    poster.join();
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));

    // Input of a kind not asked for leaves the wait to the objects.
    PostThreadMessage(self, WM_USER + 8, 0, 0);
    std::thread setter([event] { SetEvent(event); });
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, kGuard, QS_TIMER), WAIT_OBJECT_0);
    setter.join();
    DrainQueue();

    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT), WAIT_TIMEOUT);
    HANDLE bad = reinterpret_cast<HANDLE>(0x1234);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &bad, FALSE, 0, QS_ALLINPUT), WAIT_FAILED);
    CloseHandle(event);
}
