#pragma once

// Inside the X11 display: one connection to an X server, the screen windows go to, and the
// atoms the display names by text.

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <xcb/xcb.h>

class XcbConnection {
public:
    // Connects to `server` (empty: DISPLAY); null, with the reason in `error`, when it fails.
    static std::unique_ptr<XcbConnection> Open(const std::string& server, std::string& error);
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    xcb_connection_t* get() const { return m_connection; }
    xcb_screen_t* screen() const { return m_screen; }
    const std::string& name() const { return m_name; }
    // The atom of `name`, asked of the server once; any thread.
    xcb_atom_t atom(const char* name);
    // Why the connection broke; empty while it stands.
    std::string brokenBecause() const;

private:
    XcbConnection(xcb_connection_t* connection, xcb_screen_t* screen, std::string name);

    xcb_connection_t* const m_connection;
    xcb_screen_t* const m_screen;
    const std::string m_name;
    std::mutex m_atomsLock;
    std::map<std::string, xcb_atom_t> m_atoms;
};

// Frees what xcb's replies and events hand out.
struct XcbFree {
    void operator()(void* pointer) const;
};
template <class T>
using XcbReply = std::unique_ptr<T, XcbFree>;
