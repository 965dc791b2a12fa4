// A thread waiting in a blocking call: told of each return, ended while it blocks, and
// ended by itself where the call is refused. A pipe stands in for the serial line's driver.

#include "vornui/platform/internal/WaitingThread.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace {

constexpr auto kTimeOut = std::chrono::seconds(5);

// One byte from the pipe is one thing that happened; the pipe's end is a failure for good.
int ReadOneByte(int fd) {
    char byte = 0;
    const ssize_t count = read(fd, &byte, 1);
    if (count == 1)
        return 0;
    if (count == 0)
        errno = EPIPE;
    return -1;
}

class Pipe {
public:
    Pipe() {
        if (pipe(m_ends) != 0)
            m_ends[0] = m_ends[1] = -1;
    }
    ~Pipe() {
        CloseWriter();
        close(m_ends[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int Reader() const { return m_ends[0]; }
    void Write(const char* bytes) const {
        const size_t length = std::char_traits<char>::length(bytes);
        ASSERT_EQ(write(m_ends[1], bytes, length), static_cast<ssize_t>(length));
    }
    void CloseWriter() {
        if (m_ends[1] >= 0)
            close(m_ends[1]);
        m_ends[1] = -1;
    }

private:
    int m_ends[2];
};

class Tally {
public:
    void Add() {
        const std::lock_guard lock(m_mutex);
        ++m_count;
        m_changed.notify_all();
    }
    bool WaitFor(int count) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, kTimeOut, [&] { return m_count >= count; });
    }
    int Count() {
        const std::lock_guard lock(m_mutex);
        return m_count;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_count = 0;
};

// Destroys `watch` on a helper thread; a destruction that hangs ends the test program.
void DestroyWithin(std::unique_ptr<WaitingThread>& watch) {
    auto destroyed = std::async(std::launch::async, [&watch] { watch.reset(); });
    if (destroyed.wait_for(kTimeOut) != std::future_status::ready) {
        std::fputs("the waiting thread did not end when it was destroyed\n", stderr);
        std::abort();
    }
}

bool EndsWithin(const WaitingThread& watch) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeOut;
    while (!watch.Ended() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return watch.Ended();
}

} // namespace

TEST(WaitingThread, TellsEachReturnAndEndsWhileItBlocks) {
    Pipe line;
    Tally happened;
    auto watch = std::make_unique<WaitingThread>([&line] { return ReadOneByte(line.Reader()); },
                                                 [&happened] { happened.Add(); });
    line.Write("a");
    ASSERT_TRUE(happened.WaitFor(1));
    line.Write("bc");
    ASSERT_TRUE(happened.WaitFor(3));
    EXPECT_FALSE(watch->Ended());
    // Nothing more comes: the thread blocks in read until it is interrupted.
    DestroyWithin(watch);
    EXPECT_EQ(happened.Count(), 3);

    // Again and again, with the thread caught anywhere in its wait.
    for (int round = 0; round < 50; ++round) {
        watch = std::make_unique<WaitingThread>([&line] { return ReadOneByte(line.Reader()); },
                                                [&happened] { happened.Add(); });
        if (round % 2)
            line.Write("x");
        DestroyWithin(watch);
    }
}

TEST(WaitingThread, EndsByItselfWhereTheWaitIsRefused) {
    Pipe line;
    Tally happened;
    auto watch = std::make_unique<WaitingThread>([&line] { return ReadOneByte(line.Reader()); },
                                                 [&happened] { happened.Add(); });
    line.Write("a");
    ASSERT_TRUE(happened.WaitFor(1));
    line.CloseWriter(); // the wait now fails for good
    EXPECT_TRUE(EndsWithin(*watch));
    DestroyWithin(watch);
    EXPECT_EQ(happened.Count(), 1);
}

namespace {

void ProgramOwnHandler(int) {}

} // namespace

// In a fresh process, where nothing has installed the platform's handler yet.
TEST(WaitingThreadDeathTest, LeavesAProgramsOwnHandlerAloneAndDoesNotWait) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::signal(SIGRTMAX, ProgramOwnHandler);
            bool waited = false;
            const WaitingThread watch(
                [&waited] {
                    waited = true;
                    return 0;
                },
                [] {});
            const bool ended = watch.Ended();
            struct sigaction kept {};
            sigaction(SIGRTMAX, nullptr, &kept);
            std::_Exit(ended && !waited && kept.sa_handler == ProgramOwnHandler ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
