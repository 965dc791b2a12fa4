#pragma once

// Inside the X11 display: top-level windows as X windows without the manager's decorations,
// presented from their surfaces, and the server's input, focus and window management fed
// back to the window manager. It serves the windows of the thread that opened it (those of
// other threads stay headless): that thread's loop waits on the connection with its other
// sources, and presents what was painted before each wait.

#include "vornui/platform/CRect.h"
#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/internal/X11Cursors.h"
#include "vornui/platform/internal/X11Keyboard.h"
#include "vornui/platform/internal/X11Presenter.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <deque>
#include <map>
#include <memory>
#include <string>

class X11Display : public IDesktopDisplay, public ILoopWaitSource {
public:
    static std::unique_ptr<X11Display> Open(const DesktopDisplaySettings& settings,
                                            std::string& error);
    ~X11Display() override;
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    void TopLevelChanged(HWND window) override;
    void TopLevelDestroyed(HWND window) override;
    void ContentInvalidated(HWND window) override;
    void PixelsMoved(HWND window, const RECT& client) override;

    void CollectPollFds(std::vector<pollfd>& fds) override;
    void OnPollResult(std::span<const pollfd> fds) override;

private:
    struct TopLevel {
        xcb_window_t window = XCB_NONE;
        bool mapped = false;
        CRect shown;                // where the server was last told it stands
        CRect dirty;                // window coordinates, waiting to be presented
        int configuresInFlight = 0; // own moves whose notices have not come back
        xcb_window_t owner = XCB_NONE;
        std::string title;
    };
    using Event = XcbReply<xcb_generic_event_t>;

    X11Display(std::unique_ptr<XcbConnection> connection, std::unique_ptr<X11Presenter> presenter,
               std::unique_ptr<X11Keyboard> keyboard);
    bool Serves(HWND hwnd) const;
    TopLevel& Create(HWND hwnd);
    void Place(HWND hwnd, TopLevel& top);
    void FollowOwner(HWND hwnd, TopLevel& top);
    void FollowTitle(HWND hwnd, TopLevel& top);
    // `part` of `hwnd` (window or client coordinates) waits to be presented.
    void MarkChanged(HWND hwnd, CRect part, bool clientCoordinates);
    void PresentPainted();
    void ShowCursor();
    void FollowCapture();
    HWND WindowOf(xcb_window_t window) const;
    void Handle(const xcb_generic_event_t& event);
    void HandlePointer(const xcb_generic_event_t& event);
    void HandleKey(const xcb_key_press_event_t& event, bool down);
    void HandleConfigure(const xcb_configure_notify_event_t& event);
    void HandleClientMessage(const xcb_client_message_event_t& event);
    void HandleFocusIn(const xcb_focus_in_event_t& event);
    void ConnectionLost();

    const std::unique_ptr<XcbConnection> m_connection;
    const std::unique_ptr<X11Presenter> m_presenter;
    const std::unique_ptr<X11Keyboard> m_keyboard;
    X11Cursors m_cursors;
    const DWORD m_threadId;
    std::map<HWND, TopLevel> m_topLevels;
    std::deque<Event> m_waiting; // read off the connection before the loop's wait
    HCURSOR m_cursorShown = nullptr;
    xcb_window_t m_grab = XCB_NONE;
    bool m_lost = false;
};
