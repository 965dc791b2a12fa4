#include "vornui/platform/internal/X11Clipboard.h"

#include "vornui/platform/Clipboard.h"
#include "vornui/platform/CodePage.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/internal/ImageFiles.h"

#include <algorithm>
#include <cstring>

namespace {

// How long another program may take to answer, and to send each increment.
constexpr std::chrono::seconds kPatience(2);
// The most another program's answer may hold.
constexpr uint32_t kLargestAnswer = 32u << 20;

constexpr const char* kProperty = "VORNUI_CLIPBOARD";
constexpr const char* kPng = "image/png";
constexpr const char* kPlainUtf8 = "text/plain;charset=utf-8";

xcb_window_t CreateClipboardWindow(XcbConnection& connection) {
    xcb_connection_t* const raw = connection.get();
    const xcb_window_t window = xcb_generate_id(raw);
    // Never shown; it owns the selection and hears of the properties others put on it.
    const uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(raw, XCB_COPY_FROM_PARENT, window, connection.screen()->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    return window;
}

// Code page 1252 text as ISO 8859-1 (the STRING target): what Latin-1 lacks becomes '?'.
std::string Latin1From1252(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (CodePointFrom1252(static_cast<unsigned char>(ch)) > 0xFF)
            ch = '?';
    return out;
}

std::string Cp1252FromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const char byte = Cp1252FromCodePoint(static_cast<unsigned char>(ch));
        out += byte || !ch ? byte : '?';
    }
    return out;
}

// The one thread whose conversion waits, for as long as it waits.
class Waiting {
public:
    explicit Waiting(std::atomic<DWORD>& waiter) : m_waiter(waiter) {
        m_waiter = GetCurrentThreadId();
    }
    ~Waiting() { m_waiter = 0; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    std::atomic<DWORD>& m_waiter;
};

} // namespace

X11Clipboard::X11Clipboard(XcbConnection& connection, X11EventRouter& router)
    : m_connection(connection), m_router(router), m_window(CreateClipboardWindow(connection)),
      // In 4-byte units; what the request's own fields take is left aside.
      m_largestRequest(size_t(xcb_get_maximum_request_length(connection.get())) * 4 - 64) {}

X11Clipboard::~X11Clipboard() {
    xcb_destroy_window(m_connection.get(), m_window);
}

DWORD X11Clipboard::ThreadFor(const xcb_generic_event_t& event) const {
    const uint8_t type = event.response_type & 0x7F;
    if (type == XCB_SELECTION_NOTIFY || type == XCB_PROPERTY_NOTIFY)
        return m_waiter;
    return 0;
}

void X11Clipboard::HandleAnywhere(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_SELECTION_REQUEST:
        Answer(reinterpret_cast<const xcb_selection_request_event_t&>(event));
        break;
    case XCB_SELECTION_CLEAR: {
        // Another program copied: what this one offered is no longer the clipboard's.
        std::lock_guard lock(m_offeredLock);
        m_owned = false;
        m_offered = {};
        break;
    }
    default:
        break;
    }
}

void X11Clipboard::Offer(ClipboardContents contents) {
    {
        std::lock_guard lock(m_offeredLock);
        m_offered = std::move(contents);
        m_owned = true;
    }
    xcb_set_selection_owner(m_connection.get(), m_window, m_connection.atom("CLIPBOARD"),
                            XCB_CURRENT_TIME);
    xcb_flush(m_connection.get());
}

void X11Clipboard::Answer(const xcb_selection_request_event_t& request) {
    // Clients older than the conventions name no property: the target is the property then.
    const xcb_atom_t property = request.property != XCB_NONE ? request.property : request.target;
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = Put(request, property) ? property : xcb_atom_t(XCB_NONE);
    char event[32] = {};
    std::memcpy(event, &notify, sizeof notify);
    xcb_send_event(m_connection.get(), 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, event);
    xcb_flush(m_connection.get());
}

bool X11Clipboard::Put(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    std::lock_guard lock(m_offeredLock);
    if (!m_owned || request.selection != m_connection.atom("CLIPBOARD"))
        return false;
    const std::optional<std::string>& text = m_offered.text;
    const bool picture = !m_offered.picture.empty();
    const xcb_atom_t utf8 = m_connection.atom("UTF8_STRING");
    const xcb_atom_t target = request.target;
    xcb_connection_t* const connection = m_connection.get();
    if (target == m_connection.atom("TARGETS")) {
        std::vector<xcb_atom_t> targets{target};
        if (text)
            targets.insert(targets.end(), {utf8, m_connection.atom(kPlainUtf8), XCB_ATOM_STRING,
                                           m_connection.atom("TEXT")});
        if (picture)
            targets.push_back(m_connection.atom(kPng));
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_ATOM, 32, static_cast<uint32_t>(targets.size()),
                            targets.data());
        return true;
    }
    std::string bytes;
    xcb_atom_t type = target;
    if (text && (target == utf8 || target == m_connection.atom(kPlainUtf8) ||
                 target == m_connection.atom("TEXT"))) {
        bytes = Utf8From1252(*text);
        // TEXT leaves the encoding to the owner.
        type = target == m_connection.atom("TEXT") ? utf8 : target;
    } else if (text && target == XCB_ATOM_STRING) {
        bytes = Latin1From1252(*text);
    } else if (picture && target == m_connection.atom(kPng)) {
        const std::vector<BYTE> png = PngBytes(m_offered.picture);
        bytes.assign(png.begin(), png.end());
    } else {
        return false;
    }
    // Too long for one request: answers in increments (INCR) are not sent.
    if (bytes.size() > m_largestRequest || (bytes.empty() && type == m_connection.atom(kPng)))
        return false;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, type, 8,
                        static_cast<uint32_t>(bytes.size()), bytes.data());
    return true;
}

bool X11Clipboard::HeldElsewhere() {
    xcb_connection_t* const connection = m_connection.get();
    const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, m_connection.atom("CLIPBOARD")), nullptr));
    return owner && owner->owner != XCB_NONE && owner->owner != m_window;
}

std::vector<UINT> X11Clipboard::FormatsElsewhere() {
    xcb_atom_t type = XCB_NONE;
    bool answered = false;
    const std::optional<std::string> answer = Convert(m_connection.atom("TARGETS"), type, answered);
    if (!answer || type != XCB_ATOM_ATOM)
        return {};
    std::vector<xcb_atom_t> targets(answer->size() / sizeof(xcb_atom_t));
    std::memcpy(targets.data(), answer->data(), targets.size() * sizeof(xcb_atom_t));
    const auto offers = [&](std::initializer_list<xcb_atom_t> wanted) {
        return std::any_of(targets.begin(), targets.end(), [&](xcb_atom_t target) {
            return std::find(wanted.begin(), wanted.end(), target) != wanted.end();
        });
    };
    std::vector<UINT> formats;
    if (offers({m_connection.atom("UTF8_STRING"), XCB_ATOM_STRING, m_connection.atom(kPlainUtf8)}))
        formats.push_back(CF_TEXT);
    if (offers({m_connection.atom(kPng)}))
        formats.push_back(CF_BITMAP);
    return formats;
}

std::optional<std::string> X11Clipboard::FetchText() {
    xcb_atom_t type = XCB_NONE;
    bool answered = false;
    if (std::optional<std::string> utf8 = Convert(m_connection.atom("UTF8_STRING"), type, answered))
        return Cp1252FromUtf8(*utf8);
    // An owner that does not answer would not answer for the older form either.
    if (!answered)
        return std::nullopt;
    if (std::optional<std::string> latin1 = Convert(XCB_ATOM_STRING, type, answered))
        return Cp1252FromLatin1(*latin1);
    return std::nullopt;
}

std::optional<std::string> X11Clipboard::Convert(xcb_atom_t target, xcb_atom_t& type,
                                                 bool& answered) {
    std::lock_guard fetching(m_fetching);
    const Waiting waiting(m_waiter);
    DropLateEvents();
    xcb_connection_t* const connection = m_connection.get();
    xcb_convert_selection(connection, m_window, m_connection.atom("CLIPBOARD"), target,
                          m_connection.atom(kProperty), XCB_CURRENT_TIME);
    const auto deadline = Clock::now() + kPatience;
    // An answer to an earlier conversion that came too late is not this one's.
    const X11EventRouter::Event notified = m_router.Await(
        [&](const xcb_generic_event_t& event) {
            return (event.response_type & 0x7F) == XCB_SELECTION_NOTIFY &&
                   reinterpret_cast<const xcb_selection_notify_event_t&>(event).target == target;
        },
        deadline);
    answered = notified != nullptr;
    // The property's changes so far (the answer's own) say nothing of increments to come.
    DropLateEvents();
    if (!notified ||
        reinterpret_cast<const xcb_selection_notify_event_t&>(*notified).property == XCB_NONE)
        return std::nullopt;
    const XcbReply<xcb_get_property_reply_t> answer = TakeProperty();
    if (!answer)
        return std::nullopt;
    if (answer->type == m_connection.atom("INCR"))
        return ReadIncrements();
    type = answer->type;
    return std::string(static_cast<const char*>(xcb_get_property_value(answer.get())),
                       size_t(xcb_get_property_value_length(answer.get())));
}

std::optional<std::string> X11Clipboard::ReadIncrements() {
    // Taking the INCR property asked for the first increment; each comes as a new value of
    // the property, and an empty one ends them.
    const xcb_atom_t property = m_connection.atom(kProperty);
    std::string whole;
    for (;;) {
        const X11EventRouter::Event increment = m_router.Await(
            [&](const xcb_generic_event_t& event) {
                const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
                return (event.response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                       change.atom == property && change.state == XCB_PROPERTY_NEW_VALUE;
            },
            Clock::now() + kPatience);
        if (!increment)
            return std::nullopt;
        const XcbReply<xcb_get_property_reply_t> part = TakeProperty();
        if (!part)
            return std::nullopt;
        const size_t length = size_t(xcb_get_property_value_length(part.get()));
        if (length == 0)
            return whole;
        if (whole.size() + length > kLargestAnswer)
            return std::nullopt;
        whole.append(static_cast<const char*>(xcb_get_property_value(part.get())), length);
    }
}

void X11Clipboard::DropLateEvents() {
    m_router.Discard(
        [this](const xcb_generic_event_t& event) { return EventWindow(event) == m_window; });
}

XcbReply<xcb_get_property_reply_t> X11Clipboard::TakeProperty() {
    xcb_connection_t* const connection = m_connection.get();
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 1, m_window, m_connection.atom(kProperty),
                         XCB_GET_PROPERTY_TYPE_ANY, 0, kLargestAnswer / 4),
        nullptr));
    // More than the bound allows is refused whole rather than cut.
    if (reply && reply->bytes_after > 0)
        return nullptr;
    return reply;
}
