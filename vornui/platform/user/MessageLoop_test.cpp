#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowStyles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Records what it receives; WM_USER+2 answers with its wParam doubled.
struct Recorder {
    static std::vector<std::string>& Log() {
        static std::vector<std::string> log;
        return log;
    }
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message >= WM_USER || message == WM_TIMER)
            Log().push_back(MessageName(message) + "(" + std::to_string(wParam) + ")");
        if (message == WM_USER + 2)
            return static_cast<LRESULT>(wParam * 2);
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    static HWND Create() {
        EXPECT_TRUE(TestWindowClass("VornuiTestRecorder", &Recorder::Proc));
        Log().clear();
        return CreateWindowEx(0, "VornuiTestRecorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
    }
};

} // namespace

TEST(MessageLoop, SentMessagesRunAtOncePostedOnesInOrderThroughTheLoop) {
    const HWND hwnd = Recorder::Create();
    PostMessage(hwnd, WM_USER, 1, 0);
    PostMessage(hwnd, WM_USER, 2, 0);
    EXPECT_EQ(SendMessage(hwnd, WM_USER + 2, 21, 0), 42);
    EXPECT_EQ(Recorder::Log(), (std::vector<std::string>{"WM_USER+2(21)"}));
    PostQuitMessage(7);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0))
        DispatchMessage(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(Recorder::Log(),
              (std::vector<std::string>{"WM_USER+2(21)", "WM_USER(1)", "WM_USER(2)"}));

    // PeekMessage can look without taking, and filters by message range.
    PostMessage(hwnd, WM_USER + 1, 3, 0);
    PostMessage(hwnd, WM_USER, 4, 0);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u);
    ASSERT_TRUE(PeekMessage(&msg, hwnd, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessage(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(hwnd);
    EXPECT_FALSE(PostMessage(hwnd, WM_USER, 0, 0));
}

TEST(MessageLoop, TimersFireThroughTheLoopUntilKilled) {
    const HWND hwnd = Recorder::Create();
    EXPECT_EQ(SetTimer(hwnd, 5, 10, nullptr), 5u);
    MSG msg;
    int fired = 0;
    while (fired < 3 && GetMessage(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_TIMER && msg.hwnd == hwnd)
            ++fired;
        DispatchMessage(&msg);
    }
    EXPECT_EQ(Recorder::Log(),
              (std::vector<std::string>{"WM_TIMER(5)", "WM_TIMER(5)", "WM_TIMER(5)"}));
    EXPECT_TRUE(KillTimer(hwnd, 5));
    EXPECT_FALSE(KillTimer(hwnd, 5));

    // A timer without a window calls its procedure from DispatchMessage.
    static int calls = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    ASSERT_NE(id, 0u);
    while (calls < 2 && GetMessage(&msg, nullptr, 0, 0))
        DispatchMessage(&msg);
    EXPECT_TRUE(KillTimer(nullptr, id));

    // Posted messages come before timers that are due.
    SetTimer(hwnd, 6, 10, nullptr);
    Recorder::Log().clear();
    usleep(20000);
    PostMessage(hwnd, WM_USER, 9, 0);
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    DestroyWindow(hwnd); // takes its timers along
    EXPECT_FALSE(KillTimer(hwnd, 6));
}

TEST(MessageLoop, TimersKeepTheDesktopsTimeAndWakeAWaitingLoopWhenItIsStepped) {
    CSteppedClock clock;
    const HWND hwnd = Recorder::Create();
    SetTimer(hwnd, 7, 100, nullptr);
    MSG msg;
    clock.Advance(99);
    EXPECT_FALSE(PeekMessage(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    clock.Advance(1);
    ASSERT_TRUE(PeekMessage(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessage(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)); // due again at 200

    // A loop asleep in GetMessage hears of a step made on another thread. Should it not,
    // the watchdog's message ends the wait instead of the timer.
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    const DWORD thread = GetCurrentThreadId();
    std::thread stepper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        clock.Advance(100);
        std::unique_lock hold(lock);
        if (!done.wait_for(hold, std::chrono::seconds(5), [&] { return finished; }))
            PostThreadMessage(thread, WM_USER + 9, 0, 0);
    });
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    {
        std::lock_guard hold(lock);
        finished = true;
    }
    done.notify_all();
    stepper.join();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    DestroyWindow(hwnd);
}

TEST(MessageLoop, OtherThreadsPostAndSendToTheWindowsThread) {
    const HWND hwnd = Recorder::Create();
    const DWORD thread = GetCurrentThreadId();
    std::atomic<LRESULT> answer{0};
    std::thread worker([&] {
        for (WPARAM value = 1; value <= 3; ++value)
            PostMessage(hwnd, WM_USER, value, 0);
        // Waits until the window's thread has dispatched it.
        answer = SendMessage(hwnd, WM_USER + 2, 50, 0);
        PostThreadMessage(thread, WM_QUIT, 0, 0);
    });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0))
        DispatchMessage(&msg);
    worker.join();
    EXPECT_EQ(answer.load(), 100);
    // A message sent from another thread overtakes posted ones that still wait; the posted
    // ones keep their order.
    std::vector<std::string> log = Recorder::Log();
    const auto sent = std::find(log.begin(), log.end(), "WM_USER+2(50)");
    ASSERT_NE(sent, log.end());
    log.erase(sent);
    EXPECT_EQ(log, (std::vector<std::string>{"WM_USER(1)", "WM_USER(2)", "WM_USER(3)"}));
    EXPECT_FALSE(PostThreadMessage(0xFFFFFFF0u, WM_USER, 0, 0));
    DestroyWindow(hwnd);
}

TEST(MessageLoop, AThreadWaitingInSendMessageAnswersMessagesSentToIt) {
    // The worker owns a window and sends to the main thread's window while the main thread
    // sends to the worker's: neither waits forever.
    const HWND mainWindow = Recorder::Create();
    std::atomic<HWND> workerWindow{nullptr};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        workerWindow = Recorder::Create();
        MSG msg;
        while (!done) {
            if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessage(&msg);
            else
                usleep(1000);
        }
        DestroyWindow(workerWindow);
    });
    while (!workerWindow)
        usleep(1000);
    EXPECT_EQ(SendMessage(workerWindow, WM_USER + 2, 8, 0), 16);
    EXPECT_EQ(GetWindowThreadProcessId(workerWindow, nullptr) == GetCurrentThreadId(), false);
    done = true;
    worker.join();
    DestroyWindow(mainWindow);
}

TEST(MessageLoop, WaitSourcesWakeTheLoopWhenTheirDescriptorIsReady) {
    struct PipeSource : ILoopWaitSource {
        int fds[2];
        HWND target;
        PipeSource(HWND hwnd) : target(hwnd) { EXPECT_EQ(pipe(fds), 0); }
        ~PipeSource() override {
            close(fds[0]);
            close(fds[1]);
        }
        void CollectPollFds(std::vector<pollfd>& out) override {
            out.push_back(pollfd{fds[0], POLLIN, 0});
        }
        void OnPollResult(std::span<const pollfd> ready) override {
            char byte;
            if (ready[0].revents & POLLIN && read(fds[0], &byte, 1) == 1)
                PostMessage(target, WM_USER, static_cast<WPARAM>(byte), 0);
        }
    };
    const HWND hwnd = Recorder::Create();
    PipeSource source(hwnd);
    AddLoopWaitSource(&source);
    std::thread writer([&] {
        usleep(10000);
        EXPECT_EQ(write(source.fds[1], "A", 1), 1);
    });
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0)); // sleeps in poll until the byte comes
    writer.join();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('A'));
    RemoveLoopWaitSource(&source);
    DestroyWindow(hwnd);
}

TEST(MessageLoop, ThreadMessagesReachAThreadWithoutWindows) {
    std::atomic<DWORD> workerId{0};
    std::atomic<WPARAM> received{0};
    std::thread worker([&] {
        MSG msg;
        PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE); // makes the queue
        workerId = GetCurrentThreadId();
        while (GetMessage(&msg, nullptr, 0, 0))
            if (!msg.hwnd && msg.message == WM_APP)
                received = msg.wParam;
    });
    while (!workerId)
        usleep(1000);
    EXPECT_TRUE(PostThreadMessage(workerId, WM_APP, 31, 0));
    EXPECT_TRUE(PostThreadMessage(workerId, WM_QUIT, 0, 0));
    worker.join();
    EXPECT_EQ(received.load(), 31u);
}

namespace {

std::vector<HWND> g_painted;

LRESULT RecordPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    g_painted.push_back(hwnd);
    PAINTSTRUCT paint{};
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
}

// The windows the loop gives WM_PAINT to, until it has nothing left.
std::vector<HWND> PaintsWaiting() {
    g_painted.clear();
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
    return g_painted;
}

} // namespace

TEST(MessageLoop, PaintThatWaitedWhileHiddenComesWhenTheWindowShowsHoweverItShows) {
    LPCTSTR paintClass = TestWindowClass("VornuiTestRecordPaint", RecordPaint);
    const HWND parent =
        CreateWindow(paintClass, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindow(paintClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent,
                                    nullptr, nullptr, nullptr);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{}); // nothing shows: nothing paints
    InvalidateRect(child, nullptr, TRUE);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{});
    // Shown by its style alone, without being invalidated, the parent lets the child paint.
    SetWindowLong(parent, GWL_STYLE, GetWindowLong(parent, GWL_STYLE) | WS_VISIBLE);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{child});
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{}); // once

    SetWindowLong(parent, GWL_STYLE, GetWindowLong(parent, GWL_STYLE) & ~WS_VISIBLE);
    InvalidateRect(child, nullptr, TRUE);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{});
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    std::vector<HWND> painted = PaintsWaiting();
    std::sort(painted.begin(), painted.end());
    std::vector<HWND> both{parent, child};
    std::sort(both.begin(), both.end());
    EXPECT_EQ(painted, both);

    // Asked for with nothing invalid, and after its redraw came back on.
    RedrawWindow(child, nullptr, nullptr, RDW_INTERNALPAINT);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{child});
    InvalidateRect(child, nullptr, TRUE);
    SendMessage(child, WM_SETREDRAW, FALSE, 0);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{});
    SendMessage(child, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(PaintsWaiting(), std::vector<HWND>{child});
    DestroyWindow(parent);
}
