#pragma once

// Inside the X11 display: the clipboard as the X CLIPBOARD selection. When the program's
// clipboard is offered, the display takes the selection and answers other clients'
// requests for it (TARGETS; UTF8_STRING, STRING and TEXT for text; image/png for the
// bitmap) from a copy of what was offered, on whichever thread reads the request. Another
// client's selection is read by ConvertSelection, waited for up to a time-out; large answers
// in increments (INCR) are read too, up to a bound. Answers are never sent in increments: an
// answer longer than the server takes in one request is refused.

#include "vornui/platform/internal/DisplayClipboard.h"
#include "vornui/platform/internal/X11EventRouter.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <atomic>
#include <chrono>
#include <mutex>

class X11Clipboard : public IDisplayClipboard {
public:
    X11Clipboard(XcbConnection& connection, X11EventRouter& router);
    ~X11Clipboard() override;
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    // The window that owns the selection and receives what others send.
    xcb_window_t window() const { return m_window; }
    // The thread that waits for `event` of the clipboard's window; 0 when it is to be
    // handled by whoever reads it (HandleAnywhere).
    DWORD ThreadFor(const xcb_generic_event_t& event) const;
    // Answers another client's request, or hears that it took the selection.
    void HandleAnywhere(const xcb_generic_event_t& event);

    void Offer(ClipboardContents contents) override;
    bool HeldElsewhere() override;
    std::vector<UINT> FormatsElsewhere() override;
    std::optional<std::string> FetchText() override;

private:
    using Clock = std::chrono::steady_clock;

    void Answer(const xcb_selection_request_event_t& request);
    // Puts the answer to `request` in `property`; false when refused.
    bool Put(const xcb_selection_request_event_t& request, xcb_atom_t property);
    // The selection converted to `target`, read from the clipboard's window; none when the
    // owner refuses (`answered`) or does not answer in time.
    std::optional<std::string> Convert(xcb_atom_t target, xcb_atom_t& type, bool& answered);
    std::optional<std::string> ReadIncrements();
    // Forgets what came for the clipboard's window and waits unread: notices of an earlier
    // conversion, changes of the property already read.
    void DropLateEvents();
    // The clipboard window's property that the owner answered in, deleted as it is read.
    XcbReply<xcb_get_property_reply_t> TakeProperty();

    XcbConnection& m_connection;
    X11EventRouter& m_router;
    const xcb_window_t m_window;
    const size_t m_largestRequest; // bytes the server takes in one request
    std::mutex m_offeredLock;
    ClipboardContents m_offered;
    bool m_owned = false;
    std::mutex m_fetching;          // one conversion at a time
    std::atomic<DWORD> m_waiter{0}; // the thread waiting for a conversion
};
