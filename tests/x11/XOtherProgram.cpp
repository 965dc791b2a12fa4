#include "tests/x11/XOtherProgram.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <vector>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> Take(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

XOtherProgram::XOtherProgram(const std::string& display)
    : m_connection(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(m_connection))
        return;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 900, 700, 200,
                      100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                      &events);
    xcb_flush(m_connection);
}

XOtherProgram::~XOtherProgram() {
    m_stop = true;
    if (m_server.joinable())
        m_server.join();
    xcb_disconnect(m_connection);
}

bool XOtherProgram::connected() const {
    return m_window != XCB_NONE && !xcb_connection_has_error(m_connection);
}

xcb_atom_t XOtherProgram::Atom(const char* name) {
    const auto reply = Take(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

std::string XOtherProgram::NameOf(xcb_atom_t atom) {
    const auto reply =
        Take(xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr));
    return reply ? std::string(xcb_get_atom_name_name(reply.get()),
                               size_t(xcb_get_atom_name_name_length(reply.get())))
                 : std::string();
}

void XOtherProgram::TakeFocus() {
    xcb_map_window(m_connection, m_window);
    Take(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    Focus(m_window);
}

void XOtherProgram::Focus(xcb_window_t window) {
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    Take(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

std::optional<std::string> XOtherProgram::ReadClipboard(const std::string& target,
                                                        std::string& type) {
    const xcb_atom_t property = Atom("OTHER_PROGRAM_CLIPBOARD");
    xcb_convert_selection(m_connection, m_window, Atom("CLIPBOARD"), Atom(target.c_str()), property,
                          XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto event = Take(xcb_poll_for_event(m_connection));
        if (!event) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, 20);
            continue;
        }
        if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY)
            continue;
        if (reinterpret_cast<xcb_selection_notify_event_t*>(event.get())->property == XCB_NONE)
            return std::nullopt;
        const auto answer =
            Take(xcb_get_property_reply(m_connection,
                                        xcb_get_property(m_connection, 1, m_window, property,
                                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1u << 24),
                                        nullptr));
        if (!answer)
            return std::nullopt;
        type = NameOf(answer->type);
        const char* value = static_cast<const char*>(xcb_get_property_value(answer.get()));
        const size_t length = size_t(xcb_get_property_value_length(answer.get()));
        if (type != "ATOM")
            return std::string(value, length);
        std::string names;
        for (size_t at = 0; at + sizeof(xcb_atom_t) <= length; at += sizeof(xcb_atom_t)) {
            xcb_atom_t atom = XCB_NONE;
            std::memcpy(&atom, value + at, sizeof atom);
            names += NameOf(atom) + "\n";
        }
        return names;
    }
    return std::nullopt;
}

void XOtherProgram::OwnClipboard(const std::string& utf8, size_t increment) {
    OwnClipboardSilently();
    m_server = std::thread(&XOtherProgram::Serve, this, utf8, increment);
}

void XOtherProgram::OwnClipboardSilently() {
    xcb_set_selection_owner(m_connection, m_window, Atom("CLIPBOARD"), XCB_CURRENT_TIME);
    Atom("UTF8_STRING");
    Atom("TARGETS");
    Atom("INCR");
    xcb_flush(m_connection);
}

void XOtherProgram::Serve(std::string utf8, size_t increment) {
    Transfer transfer;
    while (!m_stop) {
        const auto event = Take(xcb_poll_for_event(m_connection));
        if (!event) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, 20);
            continue;
        }
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_REQUEST)
            Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event.get()), utf8, increment,
                   transfer);
        else if (type == XCB_PROPERTY_NOTIFY)
            Continue(*reinterpret_cast<xcb_property_notify_event_t*>(event.get()), utf8, increment,
                     transfer);
    }
}

void XOtherProgram::Answer(const xcb_selection_request_event_t& request, const std::string& utf8,
                           size_t increment, Transfer& transfer) {
    const xcb_atom_t utf8String = Atom("UTF8_STRING");
    const xcb_atom_t targets = Atom("TARGETS");
    xcb_atom_t property = request.property;
    if (request.target == targets) {
        const xcb_atom_t offered[] = {targets, utf8String};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_ATOM, 32, 2, offered);
    } else if (request.target == utf8String && increment > 0) {
        // The requestor's deletions of the property ask for each next part.
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, request.requestor, XCB_CW_EVENT_MASK, &events);
        const uint32_t size = uint32_t(utf8.size());
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            Atom("INCR"), 32, 1, &size);
        transfer = Transfer{request.requestor, property, 0, false};
    } else if (request.target == utf8String) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            utf8String, 8, uint32_t(utf8.size()), utf8.data());
    } else {
        property = XCB_NONE;
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    char event[32] = {};
    std::memcpy(event, &notify, sizeof notify);
    xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, event);
    xcb_flush(m_connection);
}

void XOtherProgram::Continue(const xcb_property_notify_event_t& taken, const std::string& utf8,
                             size_t increment, Transfer& transfer) {
    if (transfer.done || taken.window != transfer.requestor || taken.atom != transfer.property ||
        taken.state != XCB_PROPERTY_DELETE)
        return;
    const size_t part = std::min(increment, utf8.size() - transfer.sent);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, transfer.requestor, transfer.property,
                        Atom("UTF8_STRING"), 8, uint32_t(part), utf8.data() + transfer.sent);
    transfer.sent += part;
    // The empty part that ends the transfer has gone.
    transfer.done = part == 0;
    xcb_flush(m_connection);
}
