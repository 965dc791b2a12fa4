#pragma once

// Another program on the X server, on a connection of its own: it has a window that can
// take the input focus, reads the CLIPBOARD selection as any program would, and can own the
// selection itself, answering requests for it on a thread of its own.

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <xcb/xcb.h>

class XOtherProgram {
public:
    explicit XOtherProgram(const std::string& display);
    ~XOtherProgram();
    XOtherProgram(const XOtherProgram&) = delete;
    XOtherProgram& operator=(const XOtherProgram&) = delete;

    bool connected() const;

    // Shows its window and gives it the input focus, as a click into it would.
    void TakeFocus();
    // Gives the input focus to `window`, as a window manager would.
    void Focus(xcb_window_t window);

    // The selection converted to `target` ("UTF8_STRING", "TARGETS", "image/png", ...) and
    // the name of the answer's type; none when the owner refuses or does not answer within
    // five seconds. TARGETS comes back as the atoms' names, each followed by a new line.
    std::optional<std::string> ReadClipboard(const std::string& target, std::string& type);
    // Takes the selection with `utf8` text (UTF8_STRING and TARGETS) and answers requests for
    // it until destroyed; with `increment`, text goes in parts of that many bytes (INCR).
    void OwnClipboard(const std::string& utf8, size_t increment = 0);
    // Takes the selection and never answers, as a program that hangs.
    void OwnClipboardSilently();

private:
    xcb_atom_t Atom(const char* name);
    std::string NameOf(xcb_atom_t atom);
    // A text sent in increments: where it goes and how much of it has gone.
    struct Transfer {
        xcb_window_t requestor = XCB_NONE;
        xcb_atom_t property = XCB_NONE;
        size_t sent = 0;
        bool done = true;
    };
    void Serve(std::string utf8, size_t increment);
    void Answer(const xcb_selection_request_event_t& request, const std::string& utf8,
                size_t increment, Transfer& transfer);
    // The next increment, once the requestor took the last one.
    void Continue(const xcb_property_notify_event_t& taken, const std::string& utf8,
                  size_t increment, Transfer& transfer);

    xcb_connection_t* m_connection;
    xcb_window_t m_window = XCB_NONE;
    std::atomic<bool> m_stop{false};
    std::thread m_server;
};
