#pragma once

// Inside the X11 display: top-level windows as X windows without the manager's decorations,
// presented from their surfaces, and the server's input, focus and window management fed
// back to the window manager. Windows of every thread are shown on one connection: each
// thread that shows one waits on it in its loop (X11LoopLink.h), presents what it painted
// before each wait, and handles the events of its own windows, which the router hands it.

#include "vornui/platform/CRect.h"
#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/internal/X11Clipboard.h"
#include "vornui/platform/internal/X11Cursors.h"
#include "vornui/platform/internal/X11EventRouter.h"
#include "vornui/platform/internal/X11Keyboard.h"
#include "vornui/platform/internal/X11Presenter.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class X11Display : public IDesktopDisplay, private X11EventRouter::ISorter {
public:
    // Opens the display and makes it the current one, served by the calling thread's loop.
    static std::shared_ptr<X11Display> Open(const DesktopDisplaySettings& settings,
                                            std::string& error);
    ~X11Display() override;
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    void TopLevelChanged(HWND window) override;
    void TopLevelDestroyed(HWND window) override;
    void ContentInvalidated(HWND window) override;
    void PixelsMoved(HWND window, const RECT& client) override;

    // The calling thread's loop, before and after it waits.
    void BeforeWait(std::vector<pollfd>& fds);
    void AfterWait();
    // The calling thread ends.
    void ThreadEnded();

private:
    struct TopLevel {
        xcb_window_t window = XCB_NONE;
        DWORD thread = 0; // whose window it is
        bool mapped = false;
        CRect shown;                // where the server was last told it stands
        CRect dirty;                // window coordinates, waiting to be presented
        int configuresInFlight = 0; // own moves whose notices have not come back
        bool framed = false;        // in a window manager's frame rather than on the root
        xcb_window_t owner = XCB_NONE;
        std::string title;
    };
    // What the window manager says of a top-level window, asked before the display locks.
    struct Shape {
        CRect rect;
        SIZE minimum;
        SIZE maximum;
        bool visible;
        bool active;
        HWND owner;
        std::string title;
    };

    X11Display(std::unique_ptr<XcbConnection> connection, std::unique_ptr<X11Presenter> presenter,
               std::unique_ptr<X11Keyboard> keyboard);
    static Shape ShapeOf(HWND hwnd);
    TopLevel& Create(HWND hwnd, const Shape& shape);
    void Place(TopLevel& top, const Shape& shape);
    void FollowOwner(TopLevel& top, HWND owner);
    void FollowTitle(TopLevel& top, std::string title);
    // `part` of `hwnd` (window or client coordinates) waits to be presented.
    void MarkChanged(HWND hwnd, CRect part, bool clientCoordinates);
    void PresentPainted(DWORD thread);
    void ShowCursor();
    void FollowCapture(DWORD thread);
    void FollowActivation(DWORD thread);
    // Raises the window and gives it the input focus.
    void Activate(const TopLevel& top);
    HWND WindowOf(xcb_window_t window) const;
    DWORD ThreadOf(xcb_window_t window) const; // 0 for none of the display's windows
    bool Grabbed() const;

    DWORD ThreadFor(const xcb_generic_event_t& event) override;
    void HandleAnywhere(const xcb_generic_event_t& event) override;
    void Handle(const xcb_generic_event_t& event);
    void HandleExpose(const xcb_expose_event_t& event);
    void HandlePointer(const xcb_generic_event_t& event);
    void HandleKey(const xcb_key_press_event_t& event, bool down);
    void HandleConfigure(const xcb_configure_notify_event_t& event);
    void HandleReparent(const xcb_reparent_notify_event_t& event);
    void HandleClientMessage(const xcb_client_message_event_t& event);
    void HandleFocusIn(const xcb_focus_in_event_t& event);
    void HandleFocusOut(const xcb_focus_out_event_t& event);
    void ConnectionLost();

    const std::unique_ptr<XcbConnection> m_connection;
    const std::unique_ptr<X11Presenter> m_presenter;
    const std::unique_ptr<X11Keyboard> m_keyboard;
    X11Cursors m_cursors;
    const DWORD m_openedBy;
    // The windows and what the server shows of them. Each thread changes only its own
    // windows' entries, but the map is shared: every look into it holds the lock. Recursive,
    // because a window procedure the display calls may change a window again.
    mutable std::recursive_mutex m_lock;
    std::map<HWND, TopLevel> m_topLevels;
    HCURSOR m_cursorShown = nullptr;
    xcb_window_t m_grab = XCB_NONE;
    DWORD m_grabbedBy = 0;
    std::map<DWORD, HWND> m_activeFollowed; // each thread's active window the server was told of
    X11EventRouter m_router;
    X11Clipboard m_clipboard;
    std::atomic<bool> m_lost{false};
};
