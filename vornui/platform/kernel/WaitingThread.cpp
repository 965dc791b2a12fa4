#include "vornui/platform/internal/WaitingThread.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <pthread.h>
#include <system_error>

namespace {

// How long the thread is given to notice one signal before the next is sent: a signal that
// came just before the call began is lost to it.
constexpr auto kResendInterval = std::chrono::milliseconds(1);

void IgnoreWake(int) {}

bool ProgramHandles(const struct sigaction& action) {
    if (action.sa_flags & SA_SIGINFO)
        return true;
    return action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN &&
           action.sa_handler != IgnoreWake;
}

// Installs the handler once; false when the program has one of its own there.
bool WakeSignalReady() {
    static const bool ready = [] {
        struct sigaction current {};
        if (sigaction(SIGRTMAX, nullptr, &current) != 0 || ProgramHandles(current))
            return false;
        struct sigaction wake {};
        wake.sa_handler = IgnoreWake;
        sigemptyset(&wake.sa_mask);
        return sigaction(SIGRTMAX, &wake, nullptr) == 0;
    }();
    return ready;
}

// Blocks every signal of the calling thread while it lives.
class AllSignalsBlocked {
public:
    AllSignalsBlocked() {
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &m_previous);
    }
    ~AllSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    AllSignalsBlocked(const AllSignalsBlocked&) = delete;
    AllSignalsBlocked& operator=(const AllSignalsBlocked&) = delete;

private:
    sigset_t m_previous;
};

} // namespace

WaitingThread::WaitingThread(std::function<int()> wait, std::function<void()> happened)
    : m_wait(std::move(wait)), m_happened(std::move(happened)) {
    if (!WakeSignalReady()) {
        m_ended.store(true, std::memory_order_release);
        return;
    }
    // The thread starts with every signal blocked, so that the program's own signals go to
    // its own threads; it lets in only the one that ends its wait.
    const AllSignalsBlocked blocked;
    try {
        m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        m_ended.store(true, std::memory_order_release); // no thread to be had: no wait
    }
}

WaitingThread::~WaitingThread() {
    if (!m_thread.joinable())
        return;
    m_stop.store(true, std::memory_order_release);
    while (!Ended()) {
        pthread_kill(m_thread.native_handle(), SIGRTMAX);
        std::this_thread::sleep_for(kResendInterval);
    }
    m_thread.join();
}

void WaitingThread::Run() {
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, SIGRTMAX);
    pthread_sigmask(SIG_UNBLOCK, &wake, nullptr);
    while (!m_stop.load(std::memory_order_acquire)) {
        if (m_wait() == 0) {
            if (!m_stop.load(std::memory_order_acquire))
                m_happened();
        } else if (errno != EINTR) {
            break;
        }
    }
    m_ended.store(true, std::memory_order_release);
}
