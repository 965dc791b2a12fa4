#include "vornui/platform/internal/X11Display.h"

#include "vornui/platform/Cursors.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"
#include "vornui/platform/internal/WindowSurfaces.h"
#include "vornui/platform/internal/X11Monitors.h"
#include "vornui/platform/internal/X11WindowHints.h"

#include <cstdio>
#include <poll.h>

namespace {

constexpr uint32_t kEventMask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_KEY_PRESS |
                                XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_ENTER_WINDOW |
                                XCB_EVENT_MASK_LEAVE_WINDOW | XCB_EVENT_MASK_FOCUS_CHANGE;

CRect WindowRectOf(HWND hwnd) {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

// Whether some window of the tree still waits for WM_PAINT: its surface is not finished.
bool PaintPending(HWND top) {
    if (GetUpdateRect(top, nullptr, FALSE))
        return true;
    bool pending = false;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM found) {
            if (!GetUpdateRect(child, nullptr, FALSE))
                return TRUE;
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&pending));
    return pending;
}

std::string WindowTextOf(HWND hwnd) {
    char text[512] = {};
    GetWindowText(hwnd, text, sizeof text);
    return text;
}

} // namespace

std::unique_ptr<X11Display> X11Display::Open(const DesktopDisplaySettings& settings,
                                             std::string& error) {
    std::unique_ptr<XcbConnection> connection = XcbConnection::Open(settings.server, error);
    if (!connection)
        return nullptr;
    std::unique_ptr<X11Presenter> presenter =
        X11Presenter::Open(connection->get(), connection->screen(), true, error);
    std::unique_ptr<X11Keyboard> keyboard =
        presenter ? X11Keyboard::Open(connection->get(), error) : nullptr;
    if (!keyboard)
        return nullptr;
    SetScreenMonitors(ReadX11Monitors(*connection));
    if (settings.serverDpi)
        SetScreenDpi(X11ScreenDpi(*connection->screen()));
    WatchX11Monitors(*connection);
    return std::unique_ptr<X11Display>(
        new X11Display(std::move(connection), std::move(presenter), std::move(keyboard)));
}

X11Display::X11Display(std::unique_ptr<XcbConnection> connection,
                       std::unique_ptr<X11Presenter> presenter,
                       std::unique_ptr<X11Keyboard> keyboard)
    : m_connection(std::move(connection)), m_presenter(std::move(presenter)),
      m_keyboard(std::move(keyboard)), m_cursors(m_connection->get()),
      m_threadId(GetCurrentThreadId()) {
    AddLoopWaitSource(this);
}

X11Display::~X11Display() {
    if (!m_lost)
        RemoveLoopWaitSource(this);
    for (const auto& [hwnd, top] : m_topLevels)
        xcb_destroy_window(m_connection->get(), top.window);
    xcb_flush(m_connection->get());
}

bool X11Display::Serves(HWND hwnd) const {
    return !m_lost && GetWindowThreadProcessId(hwnd, nullptr) == m_threadId;
}

void X11Display::TopLevelChanged(HWND hwnd) {
    if (!Serves(hwnd))
        return;
    const bool visible = IsWindowVisible(hwnd);
    auto known = m_topLevels.find(hwnd);
    if (known == m_topLevels.end() && !visible)
        return;
    TopLevel& top = known != m_topLevels.end() ? known->second : Create(hwnd);
    Place(hwnd, top);
    FollowOwner(hwnd, top);
    xcb_connection_t* connection = m_connection->get();
    if (visible && !top.mapped) {
        xcb_map_window(connection, top.window);
        top.mapped = true;
        top.dirty = CRect(0, 0, top.shown.Width(), top.shown.Height());
    } else if (!visible && top.mapped) {
        xcb_unmap_window(connection, top.window);
        top.mapped = false;
    }
    if (visible && GetActiveWindow() == hwnd) {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection, top.window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, top.window, XCB_CURRENT_TIME);
    }
    // The server sees it now, even if the thread does not wait in its loop before long.
    xcb_flush(connection);
}

X11Display::TopLevel& X11Display::Create(HWND hwnd) {
    xcb_connection_t* connection = m_connection->get();
    const xcb_screen_t& screen = *m_connection->screen();
    TopLevel top;
    top.window = xcb_generate_id(connection);
    top.shown = WindowRectOf(hwnd);
    // No background of the server's: everything shown comes from the surface.
    const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, kEventMask};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, top.window, screen.root, top.shown.left,
                      top.shown.top, std::max(1, top.shown.Width()),
                      std::max(1, top.shown.Height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen.root_visual, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK, values);
    HintUndecorated(*m_connection, top.window);
    HintProtocols(*m_connection, top.window);
    FollowTitle(hwnd, top);
    if (m_cursorShown) {
        const uint32_t cursor = m_cursors.For(m_cursorShown);
        xcb_change_window_attributes(connection, top.window, XCB_CW_CURSOR, &cursor);
    }
    return m_topLevels.emplace(hwnd, top).first->second;
}

void X11Display::Place(HWND hwnd, TopLevel& top) {
    const CRect rect = WindowRectOf(hwnd);
    const bool sizable = (StyleOf(hwnd) & WS_THICKFRAME) != 0;
    const MINMAXINFO limits = sizable ? TrackingLimits(hwnd) : MINMAXINFO{};
    const SIZE minimum = sizable ? SIZE{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}
                                 : SIZE{rect.Width(), rect.Height()};
    const SIZE maximum = sizable ? SIZE{limits.ptMaxTrackSize.x, limits.ptMaxTrackSize.y}
                                 : SIZE{rect.Width(), rect.Height()};
    HintSizes(*m_connection, top.window, rect.TopLeft(), minimum, maximum);
    if (rect == top.shown)
        return;
    const uint32_t geometry[] = {static_cast<uint32_t>(rect.left), static_cast<uint32_t>(rect.top),
                                 static_cast<uint32_t>(std::max(1, rect.Width())),
                                 static_cast<uint32_t>(std::max(1, rect.Height()))};
    xcb_configure_window(m_connection->get(), top.window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         geometry);
    ++top.configuresInFlight;
    if (rect.Size() != top.shown.Size())
        top.dirty = CRect(0, 0, rect.Width(), rect.Height());
    top.shown = rect;
}

void X11Display::FollowOwner(HWND hwnd, TopLevel& top) {
    const auto owner = m_topLevels.find(GetWindow(hwnd, GW_OWNER));
    const xcb_window_t ownerWindow = owner != m_topLevels.end() ? owner->second.window : XCB_NONE;
    if (ownerWindow != top.owner)
        HintOwner(*m_connection, top.window, ownerWindow);
    top.owner = ownerWindow;
}

void X11Display::FollowTitle(HWND hwnd, TopLevel& top) {
    std::string title = WindowTextOf(hwnd);
    if (top.window != XCB_NONE && title == top.title && !top.title.empty())
        return;
    HintTitle(*m_connection, top.window, title);
    top.title = std::move(title);
}

void X11Display::TopLevelDestroyed(HWND hwnd) {
    const auto known = m_topLevels.find(hwnd);
    if (known == m_topLevels.end())
        return;
    if (m_grab == known->second.window) {
        xcb_ungrab_pointer(m_connection->get(), XCB_CURRENT_TIME);
        m_grab = XCB_NONE;
    }
    xcb_destroy_window(m_connection->get(), known->second.window);
    xcb_flush(m_connection->get());
    m_topLevels.erase(known);
}

void X11Display::ContentInvalidated(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !Serves(hwnd))
        return;
    CRect client;
    // A window whose frame waits for painting changes whole; otherwise only its update region.
    if (record->frameDirty)
        MarkChanged(hwnd, WindowRectOf(hwnd), false);
    else if (GetUpdateRect(hwnd, &client, FALSE))
        MarkChanged(hwnd, client, true);
    // A new window text repaints the caption: the title follows it.
    if (const auto known = m_topLevels.find(hwnd); known != m_topLevels.end())
        FollowTitle(hwnd, known->second);
}

void X11Display::PixelsMoved(HWND hwnd, const RECT& client) {
    if (Serves(hwnd))
        MarkChanged(hwnd, client, true);
}

void X11Display::MarkChanged(HWND hwnd, CRect part, bool clientCoordinates) {
    const HWND root = GetAncestor(hwnd, GA_ROOT);
    const auto known = m_topLevels.find(root ? root : hwnd);
    if (known == m_topLevels.end())
        return;
    if (clientCoordinates) {
        CPoint origin(0, 0);
        ClientToScreen(hwnd, &origin);
        part.OffsetRect(origin);
    }
    // The surface has the top-level window's corner at its origin.
    const CRect top = WindowRectOf(known->first);
    part.OffsetRect(-top.left, -top.top);
    known->second.dirty.UnionRect(known->second.dirty, part);
}

void X11Display::CollectPollFds(std::vector<pollfd>& fds) {
    if (m_lost)
        return;
    PresentPainted();
    ShowCursor();
    FollowCapture();
    xcb_connection_t* connection = m_connection->get();
    // Events already read off the socket would wait unseen behind poll(); they are kept
    // for OnPollResult, where window procedures may run, and the socket's readiness to
    // write brings it at once.
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection))
        m_waiting.emplace_back(event);
    xcb_flush(connection);
    const short events = m_waiting.empty() ? POLLIN : POLLIN | POLLOUT;
    fds.push_back(pollfd{xcb_get_file_descriptor(connection), events, 0});
}

void X11Display::OnPollResult(std::span<const pollfd>) {
    while (!m_waiting.empty() && !m_lost) {
        const Event event = std::move(m_waiting.front());
        m_waiting.pop_front();
        Handle(*event);
    }
    while (!m_lost) {
        const Event event(xcb_poll_for_event(m_connection->get()));
        if (!event)
            break;
        Handle(*event);
    }
    if (!m_lost && !m_connection->brokenBecause().empty())
        ConnectionLost();
}

void X11Display::PresentPainted() {
    for (auto& [hwnd, top] : m_topLevels) {
        if (!top.mapped || top.dirty.IsRectEmpty() || PaintPending(hwnd))
            continue;
        m_presenter->Present(top.window, *WindowSurfaceOf(hwnd), top.dirty);
        top.dirty.SetRectEmpty();
    }
}

void X11Display::ShowCursor() {
    const HCURSOR cursor = GetCursor();
    if (cursor == m_cursorShown)
        return;
    m_cursorShown = cursor;
    const uint32_t shape = m_cursors.For(cursor);
    for (const auto& [hwnd, top] : m_topLevels)
        xcb_change_window_attributes(m_connection->get(), top.window, XCB_CW_CURSOR, &shape);
}

void X11Display::FollowCapture() {
    const HWND captured = GetCapture();
    const auto top = m_topLevels.find(captured ? GetAncestor(captured, GA_ROOT) : nullptr);
    const xcb_window_t wanted = top != m_topLevels.end() ? top->second.window : XCB_NONE;
    if (wanted == m_grab)
        return;
    xcb_connection_t* connection = m_connection->get();
    if (m_grab != XCB_NONE)
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    // While a window has the capture, the pointer's events come here wherever it goes.
    if (wanted != XCB_NONE)
        xcb_grab_pointer(connection, 1, wanted,
                         XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                             XCB_EVENT_MASK_POINTER_MOTION,
                         XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE,
                         XCB_CURRENT_TIME);
    m_grab = wanted;
}

HWND X11Display::WindowOf(xcb_window_t window) const {
    for (const auto& [hwnd, top] : m_topLevels)
        if (top.window == window)
            return hwnd;
    return nullptr;
}

void X11Display::ConnectionLost() {
    m_lost = true;
    std::fprintf(stderr, "vornui: the X display \"%s\" is gone (%s); the message loop ends\n",
                 m_connection->name().c_str(), m_connection->brokenBecause().c_str());
    RemoveLoopWaitSource(this);
    PostQuitMessage(1);
}
