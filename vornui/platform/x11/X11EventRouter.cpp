#include "vornui/platform/internal/X11EventRouter.h"

#include "vornui/platform/ProcessIdentity.h"

#include <algorithm>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <utility>

namespace {

template <class Specific>
const Specific& As(const xcb_generic_event_t& event) {
    return reinterpret_cast<const Specific&>(event);
}

void Signal(int wakeFd) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd, &one, sizeof one);
}

void Drain(int wakeFd) {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(wakeFd, &count, sizeof count);
}

} // namespace

xcb_window_t EventWindow(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_EXPOSE:
        return As<xcb_expose_event_t>(event).window;
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE:
    case XCB_BUTTON_PRESS:
    case XCB_BUTTON_RELEASE:
    case XCB_MOTION_NOTIFY:
    case XCB_ENTER_NOTIFY:
    case XCB_LEAVE_NOTIFY:
        return As<xcb_button_press_event_t>(event).event;
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT:
        return As<xcb_focus_in_event_t>(event).event;
    case XCB_CONFIGURE_NOTIFY:
        return As<xcb_configure_notify_event_t>(event).event;
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY:
    case XCB_REPARENT_NOTIFY:
    case XCB_DESTROY_NOTIFY:
        return As<xcb_map_notify_event_t>(event).event;
    case XCB_CLIENT_MESSAGE:
        return As<xcb_client_message_event_t>(event).window;
    case XCB_PROPERTY_NOTIFY:
        return As<xcb_property_notify_event_t>(event).window;
    case XCB_SELECTION_REQUEST:
        return As<xcb_selection_request_event_t>(event).owner;
    case XCB_SELECTION_CLEAR:
        return As<xcb_selection_clear_event_t>(event).owner;
    case XCB_SELECTION_NOTIFY:
        return As<xcb_selection_notify_event_t>(event).requestor;
    default:
        return XCB_NONE;
    }
}

X11EventRouter::X11EventRouter(xcb_connection_t* connection, ISorter& sorter)
    : m_connection(connection), m_sorter(sorter) {}

X11EventRouter::~X11EventRouter() {
    for (const auto& [thread, inbox] : m_inboxes)
        close(inbox.wakeFd);
}

X11EventRouter::Inbox& X11EventRouter::InboxOf(DWORD thread) {
    Inbox& inbox = m_inboxes[thread];
    if (inbox.wakeFd < 0)
        inbox.wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    return inbox;
}

void X11EventRouter::Read() {
    std::lock_guard reading(m_reading);
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
        Deliver(Event(event));
}

void X11EventRouter::Deliver(Event event) {
    const DWORD thread = m_sorter.ThreadFor(*event);
    if (thread == 0) {
        m_sorter.HandleAnywhere(*event);
        return;
    }
    std::lock_guard lock(m_inboxesLock);
    Inbox& inbox = InboxOf(thread);
    inbox.events.push_back(std::move(event));
    Signal(inbox.wakeFd);
}

std::deque<X11EventRouter::Event> X11EventRouter::TakeAll() {
    std::lock_guard lock(m_inboxesLock);
    Inbox& inbox = InboxOf(GetCurrentThreadId());
    Drain(inbox.wakeFd);
    return std::exchange(inbox.events, {});
}

X11EventRouter::Event
X11EventRouter::Await(const std::function<bool(const xcb_generic_event_t&)>& wanted,
                      std::chrono::steady_clock::time_point deadline) {
    const DWORD thread = GetCurrentThreadId();
    int wakeFd = -1;
    for (;;) {
        xcb_flush(m_connection);
        Read();
        {
            std::lock_guard lock(m_inboxesLock);
            Inbox& inbox = InboxOf(thread);
            wakeFd = inbox.wakeFd;
            Drain(wakeFd);
            const auto found = std::find_if(inbox.events.begin(), inbox.events.end(),
                                            [&](const Event& event) { return wanted(*event); });
            if (found != inbox.events.end()) {
                Event event = std::move(*found);
                inbox.events.erase(found);
                // What is left is the loop's, which must still hear of it.
                if (!inbox.events.empty())
                    Signal(wakeFd);
                return event;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(m_connection))
            return nullptr;
        pollfd fds[] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0}, {wakeFd, POLLIN, 0}};
        poll(fds, 2, static_cast<int>(left.count()) + 1);
    }
}

void X11EventRouter::Discard(const std::function<bool(const xcb_generic_event_t&)>& unwanted) {
    std::lock_guard lock(m_inboxesLock);
    std::erase_if(InboxOf(GetCurrentThreadId()).events,
                  [&](const Event& event) { return unwanted(*event); });
}

void X11EventRouter::CollectPollFds(std::vector<pollfd>& fds) {
    xcb_flush(m_connection);
    int wakeFd = -1;
    {
        std::lock_guard lock(m_inboxesLock);
        Inbox& inbox = InboxOf(GetCurrentThreadId());
        wakeFd = inbox.wakeFd;
        if (!inbox.events.empty())
            Signal(wakeFd);
    }
    fds.push_back(pollfd{xcb_get_file_descriptor(m_connection), POLLIN, 0});
    fds.push_back(pollfd{wakeFd, POLLIN, 0});
}

void X11EventRouter::Forget() {
    std::lock_guard lock(m_inboxesLock);
    const auto inbox = m_inboxes.find(GetCurrentThreadId());
    if (inbox == m_inboxes.end())
        return;
    close(inbox->second.wakeFd);
    m_inboxes.erase(inbox);
}
