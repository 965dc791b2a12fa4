#include "vornui/platform/AsyncSelect.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/AsyncSelectHooks.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr long kKnownEvents = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;

class SocketWatch;

struct Registration {
    HWND hwnd;
    UINT message;
    long events;
    long armed;  // events that may be posted now
    bool closed; // the connection ended (or never was): nothing more to watch
    bool stream;
    SocketWatch* watch;
};

struct Registry {
    std::mutex lock;
    std::map<SOCKET, Registration> sockets;
};

Registry& Sockets() {
    static Registry* const registry = new Registry; // outlives every thread's watch
    return *registry;
}

struct Notice {
    HWND hwnd;
    UINT message;
    SOCKET socket;
    long event;
    int error;
};

bool IsListening(SOCKET s) {
    int listening = 0;
    int length = sizeof listening;
    return getsockopt(s, SOL_SOCKET, SO_ACCEPTCONN, reinterpret_cast<char*>(&listening), &length) ==
               0 &&
           listening;
}

int PendingError(SOCKET s) {
    int error = 0;
    int length = sizeof error;
    getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    return error;
}

bool HasUnreadData(SOCKET s) {
    u_long available = 0;
    return ioctlsocket(s, FIONREAD, &available) == 0 && available > 0;
}

// Windows reports a connection that timed out as aborted.
int CloseError(int error) {
    return error == WSAETIMEDOUT ? WSAECONNABORTED : error;
}

short PollEventsFor(const Registration& entry) {
    if (entry.closed)
        return 0;
    const bool readArmed = entry.armed & FD_READ;
    // The close waits behind unread data, so it is watched only while reads may be told.
    const bool closeWatched = (entry.armed & FD_CLOSE) && (!(entry.events & FD_READ) || readArmed);
    short events = 0;
    if (entry.armed & (FD_READ | FD_ACCEPT))
        events |= POLLIN;
    if (readArmed || closeWatched)
        events |= POLLRDHUP;
    if (entry.armed & (FD_WRITE | FD_CONNECT))
        events |= POLLOUT;
    return events;
}

// Decides what one poll result means for a socket; every branch changes the entry's state,
// so that the same result never comes back without news.
void Interpret(SOCKET s, Registration& entry, short revents, std::vector<Notice>& notices) {
    auto tell = [&](long event, int error) {
        if (entry.armed & event)
            notices.push_back(Notice{entry.hwnd, entry.message, s, event, error});
        entry.armed &= ~event;
    };
    if (revents & POLLNVAL) {
        entry.closed = true;
        return;
    }
    if (entry.armed & FD_CONNECT) {
        const int error = PendingError(s);
        tell(FD_CONNECT, error);
        entry.closed = error != 0;
        return;
    }
    if (!entry.stream && (revents & POLLERR)) {
        PendingError(s); // a datagram's error (an ICMP answer) ends nothing
        revents &= ~POLLERR;
    }
    if (revents & (POLLRDHUP | POLLHUP | POLLERR)) {
        const int error = PendingError(s);
        if (!error && (revents & POLLRDHUP) && (entry.events & FD_READ) && HasUnreadData(s)) {
            tell(FD_READ, 0);
            return;
        }
        entry.closed = true;
        // A hang-up without a close from the peer or an error is a socket never connected.
        if (error || (revents & POLLRDHUP))
            tell(FD_CLOSE, CloseError(error));
        return;
    }
    if (revents & POLLIN) {
        tell(IsListening(s) ? FD_ACCEPT : FD_READ, 0);
        // Reads of a listener and connections of a data socket are nothing to wait for.
        entry.armed &= ~(FD_READ | FD_ACCEPT);
    }
    if (revents & POLLOUT)
        tell(FD_WRITE, 0);
}

// The watch of the calling thread, once it has one; known without asking the system for
// the thread's id on every read.
thread_local SocketWatch* t_threadWatch = nullptr;

// The sockets registered by one thread, watched by that thread's message loop. Calls on
// other threads that re-enable an event wake the loop through the watch's own descriptor.
class SocketWatch final : public ILoopWaitSource {
public:
    SocketWatch() : m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
        t_threadWatch = this;
        AddLoopWaitSource(this);
    }
    ~SocketWatch() override {
        t_threadWatch = nullptr;
        RemoveLoopWaitSource(this);
        {
            std::lock_guard guard(Sockets().lock);
            std::erase_if(Sockets().sockets,
                          [this](const auto& item) { return item.second.watch == this; });
        }
        close(m_wakeFd);
    }
    SocketWatch(const SocketWatch&) = delete;
    SocketWatch& operator=(const SocketWatch&) = delete;

    static SocketWatch& OfThisThread() {
        thread_local SocketWatch watch;
        return watch;
    }

    void WakeFromOtherThread() {
        if (t_threadWatch == this)
            return;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(m_wakeFd, &one, sizeof one);
    }

    void CollectPollFds(std::vector<pollfd>& fds) override {
        fds.push_back(pollfd{m_wakeFd, POLLIN, 0});
        std::lock_guard guard(Sockets().lock);
        for (const auto& [s, entry] : Sockets().sockets) {
            const short events = entry.watch == this ? PollEventsFor(entry) : 0;
            if (events)
                fds.push_back(pollfd{static_cast<int>(s), events, 0});
        }
    }

    void OnPollResult(std::span<const pollfd> fds) override {
        // Notices must not disturb the last error that the thread's own calls left.
        const DWORD lastError = GetLastError();
        std::vector<Notice> notices;
        {
            std::lock_guard guard(Sockets().lock);
            for (const pollfd& fd : fds) {
                if (fd.fd == m_wakeFd) {
                    std::uint64_t count = 0;
                    [[maybe_unused]] const ssize_t drained = read(m_wakeFd, &count, sizeof count);
                    continue;
                }
                const auto found = Sockets().sockets.find(static_cast<SOCKET>(fd.fd));
                if (fd.revents && found != Sockets().sockets.end())
                    Interpret(found->first, found->second, fd.revents, notices);
            }
        }
        for (const Notice& notice : notices)
            PostMessage(notice.hwnd, notice.message, notice.socket,
                        static_cast<LPARAM>(WSAMAKESELECTREPLY(notice.event, notice.error)));
        SetLastError(lastError);
    }

private:
    const int m_wakeFd;
};

template <typename Change>
void ChangeRegistration(SOCKET s, Change change) {
    SocketWatch* watch = nullptr;
    {
        std::lock_guard guard(Sockets().lock);
        const auto found = Sockets().sockets.find(s);
        if (found == Sockets().sockets.end())
            return;
        change(found->second);
        watch = found->second.watch;
    }
    watch->WakeFromOtherThread();
}

int Fail(int error) {
    WSASetLastError(error);
    return SOCKET_ERROR;
}

} // namespace

int WSAAsyncSelect(SOCKET s, HWND hwnd, UINT message, long events) {
    int type = 0;
    int length = sizeof type;
    if (getsockopt(s, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &length) != 0)
        return SOCKET_ERROR;
    if ((events & ~kKnownEvents) || (events && !IsWindow(hwnd)))
        return Fail(WSAEINVAL);
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) != 0)
        return SOCKET_ERROR;
    std::lock_guard guard(Sockets().lock);
    if (!events) {
        Sockets().sockets.erase(s);
        return 0;
    }
    SocketWatch* watch = &SocketWatch::OfThisThread();
    Sockets().sockets[s] = Registration{
        hwnd, message, events, events & ~FD_CONNECT, false, type == SOCK_STREAM, watch};
    return 0;
}

void AsyncSelectReenable(SOCKET s, long events) {
    ChangeRegistration(s, [events](Registration& entry) { entry.armed |= events & entry.events; });
}

// As Windows posts the next FD_READ when a read leaves data behind: a socket that shows
// data and nothing else (no hang-up, no error) gets its notice now, without a round through
// the loop's poll. Anything else waits for that poll, which decides as it always does.
void AsyncSelectReadDone(SOCKET s) {
    AsyncSelectReenable(s, FD_READ);
    Notice notice{};
    {
        std::lock_guard guard(Sockets().lock);
        const auto found = Sockets().sockets.find(s);
        if (found == Sockets().sockets.end())
            return;
        Registration& entry = found->second;
        if (entry.closed || !(entry.armed & FD_READ) || (entry.events & FD_ACCEPT) ||
            (entry.armed & FD_CONNECT))
            return;
        pollfd fd{static_cast<int>(s), POLLIN | POLLRDHUP, 0};
        if (poll(&fd, 1, 0) != 1 || fd.revents != POLLIN)
            return;
        entry.armed &= ~FD_READ;
        notice = Notice{entry.hwnd, entry.message, s, FD_READ, 0};
    }
    const DWORD lastError = GetLastError();
    PostMessage(notice.hwnd, notice.message, notice.socket,
                static_cast<LPARAM>(WSAMAKESELECTREPLY(notice.event, notice.error)));
    SetLastError(lastError);
}

void AsyncSelectRestart(SOCKET s, long events) {
    ChangeRegistration(s, [events](Registration& entry) {
        entry.closed = false;
        entry.armed |= events & entry.events;
    });
}

void AsyncSelectForget(SOCKET s) {
    std::lock_guard guard(Sockets().lock);
    Sockets().sockets.erase(s);
}
