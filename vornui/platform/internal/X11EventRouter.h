#pragma once

// Inside the X11 display: the connection's events shared out among the threads whose
// windows they concern. The connection is one for the process; whichever thread waits on it
// reads what it has, keeps each event for the thread that owns its window, and wakes that
// thread. Events of no thread in particular are handled at once by the thread that read them.

#include "vornui/platform/WinTypes.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

struct pollfd;

class X11EventRouter {
public:
    using Event = XcbReply<xcb_generic_event_t>;

    // Where events go.
    class ISorter {
    public:
        // The thread that handles `event`; 0 for none in particular.
        virtual DWORD ThreadFor(const xcb_generic_event_t& event) = 0;
        // An event of no thread in particular, on the thread that read it.
        virtual void HandleAnywhere(const xcb_generic_event_t& event) = 0;

    protected:
        ~ISorter() = default;
    };

    X11EventRouter(xcb_connection_t* connection, ISorter& sorter);
    ~X11EventRouter();
    X11EventRouter(const X11EventRouter&) = delete;
    X11EventRouter& operator=(const X11EventRouter&) = delete;

    // Reads what the connection has, without waiting, and hands it out.
    void Read();
    // The calling thread's events, oldest first.
    std::deque<Event> TakeAll();
    // The calling thread's first event that `wanted` accepts, reading the connection until it
    // comes; null at `deadline` or when the connection breaks. Other events stay for the
    // thread's loop.
    Event Await(const std::function<bool(const xcb_generic_event_t&)>& wanted,
                std::chrono::steady_clock::time_point deadline);
    // Drops the calling thread's events that `unwanted` accepts.
    void Discard(const std::function<bool(const xcb_generic_event_t&)>& unwanted);
    // Sends what waits to be sent, and adds the connection and the calling thread's wake-up
    // to what its loop polls; the wake-up is ready while events wait for the thread.
    void CollectPollFds(std::vector<pollfd>& fds);
    // The calling thread ends: its events go with it.
    void Forget();

private:
    struct Inbox {
        std::deque<Event> events;
        int wakeFd = -1;
    };
    Inbox& InboxOf(DWORD thread); // under m_inboxesLock
    void Deliver(Event event);

    xcb_connection_t* const m_connection;
    ISorter& m_sorter;
    std::mutex m_reading; // one reader at a time, so that each thread gets its events in order
    std::mutex m_inboxesLock;
    std::map<DWORD, Inbox> m_inboxes;
};

// The window an event concerns (the one it was reported to); XCB_NONE for none.
xcb_window_t EventWindow(const xcb_generic_event_t& event);
