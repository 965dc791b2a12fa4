#pragma once

// A thread that waits in a blocking system call, again and again, for what only such a call
// can tell (a serial line's modem status lines: TIOCMIWAIT), and says so after each return.
// Destroying it interrupts the call and waits for the thread to end, so that the
// descriptor the call uses may be closed afterwards.
//
// The call is interrupted by the last real-time signal (SIGRTMAX), sent to the thread until
// it has ended; the platform handles that signal with a handler that does nothing, installed
// without SA_RESTART so that the call returns EINTR. The thread takes no other signal. Where
// the program handles that signal itself, its handler is left alone and no thread is
// started: the wait counts as ended at once.

#include "vornui/platform/Export.h"

#include <atomic>
#include <functional>
#include <thread>

class VORNUI_API WaitingThread {
public:
    // `wait` blocks until something happened (0) or fails (-1 with errno set; after EINTR it
    // is called again). `happened` runs on the waiting thread after each 0.
    WaitingThread(std::function<int()> wait, std::function<void()> happened);
    ~WaitingThread();
    WaitingThread(const WaitingThread&) = delete;
    WaitingThread& operator=(const WaitingThread&) = delete;

    // The wait failed for good, or could not be had: the thread ended by itself.
    bool Ended() const { return m_ended.load(std::memory_order_acquire); }

private:
    void Run();

    const std::function<int()> m_wait;
    const std::function<void()> m_happened;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ended{false};
    std::thread m_thread;
};
