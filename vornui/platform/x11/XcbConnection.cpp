#include "vornui/platform/internal/XcbConnection.h"

#include <cstdlib>
#include <string_view>

namespace {

const char* ConnectionErrorText(int error) {
    switch (error) {
    case 0:
        return "";
    case XCB_CONN_ERROR:
        return "the connection to the server was lost";
    case XCB_CONN_CLOSED_EXT_NOTSUPPORTED:
        return "the server lacks an extension the display needs";
    case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
        return "out of memory";
    case XCB_CONN_CLOSED_REQ_LEN_EXCEED:
        return "a request was longer than the server accepts";
    case XCB_CONN_CLOSED_PARSE_ERR:
        return "the display name cannot be read";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return "the server has no such screen";
    default:
        return "the connection failed";
    }
}

} // namespace

void XcbFree::operator()(void* pointer) const {
    std::free(pointer);
}

std::unique_ptr<XcbConnection> XcbConnection::Open(const std::string& server, std::string& error) {
    const char* fromEnvironment = std::getenv("DISPLAY");
    const std::string name = server.empty() && fromEnvironment ? fromEnvironment : server;
    if (name.empty()) {
        error = "no X server named (DISPLAY is not set)";
        return nullptr;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name.c_str(), &screenNumber);
    if (const int failed = xcb_connection_has_error(connection)) {
        error = "X server \"" + name + "\": " + ConnectionErrorText(failed);
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skip = 0; skip < screenNumber && screens.rem; ++skip)
        xcb_screen_next(&screens);
    return std::unique_ptr<XcbConnection>(new XcbConnection(connection, screens.data, name));
}

XcbConnection::XcbConnection(xcb_connection_t* connection, xcb_screen_t* screen, std::string name)
    : m_connection(connection), m_screen(screen), m_name(std::move(name)) {}

XcbConnection::~XcbConnection() {
    xcb_disconnect(m_connection);
}

xcb_atom_t XcbConnection::atom(const char* name) {
    std::lock_guard lock(m_atomsLock);
    const auto known = m_atoms.find(name);
    if (known != m_atoms.end())
        return known->second;
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        m_connection, 0, static_cast<uint16_t>(std::string_view(name).size()), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(m_connection, cookie, nullptr));
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    m_atoms.emplace(name, atom);
    return atom;
}

std::string XcbConnection::brokenBecause() const {
    return ConnectionErrorText(xcb_connection_has_error(m_connection));
}
