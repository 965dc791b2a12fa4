#include "vornui/platform/internal/X11Display.h"

#include "vornui/platform/Cursors.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ThreadMessageQueue.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"
#include "vornui/platform/internal/WindowSurfaces.h"
#include "vornui/platform/internal/X11LoopLink.h"
#include "vornui/platform/internal/X11Monitors.h"
#include "vornui/platform/internal/X11WindowHints.h"

#include <cstdio>
#include <poll.h>
#include <set>

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

std::shared_ptr<X11Display> X11Display::Open(const DesktopDisplaySettings& settings,
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
    std::shared_ptr<X11Display> display(
        new X11Display(std::move(connection), std::move(presenter), std::move(keyboard)));
    SetCurrentX11Display(display);
    LinkThreadToX11Display();
    return display;
}

X11Display::X11Display(std::unique_ptr<XcbConnection> connection,
                       std::unique_ptr<X11Presenter> presenter,
                       std::unique_ptr<X11Keyboard> keyboard)
    : m_connection(std::move(connection)), m_presenter(std::move(presenter)),
      m_keyboard(std::move(keyboard)), m_cursors(m_connection->get()),
      m_openedBy(GetCurrentThreadId()), m_router(m_connection->get(), *this),
      m_clipboard(*m_connection, m_router) {
    SetDisplayClipboard(&m_clipboard);
}

X11Display::~X11Display() {
    SetDisplayClipboard(nullptr);
    for (const auto& [hwnd, top] : m_topLevels)
        xcb_destroy_window(m_connection->get(), top.window);
    xcb_flush(m_connection->get());
}

X11Display::Shape X11Display::ShapeOf(HWND hwnd) {
    Shape shape;
    shape.rect = WindowRectOf(hwnd);
    const bool sizable = (StyleOf(hwnd) & WS_THICKFRAME) != 0;
    const MINMAXINFO limits = sizable ? TrackingLimits(hwnd) : MINMAXINFO{};
    shape.minimum = sizable ? SIZE{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}
                            : SIZE{shape.rect.Width(), shape.rect.Height()};
    shape.maximum = sizable ? SIZE{limits.ptMaxTrackSize.x, limits.ptMaxTrackSize.y}
                            : SIZE{shape.rect.Width(), shape.rect.Height()};
    shape.visible = IsWindowVisible(hwnd);
    shape.active = GetActiveWindow() == hwnd;
    shape.owner = GetWindow(hwnd, GW_OWNER);
    shape.title = WindowTextOf(hwnd);
    return shape;
}

void X11Display::TopLevelChanged(HWND hwnd) {
    if (m_lost)
        return;
    const Shape shape = ShapeOf(hwnd);
    std::lock_guard lock(m_lock);
    auto known = m_topLevels.find(hwnd);
    if (known == m_topLevels.end() && !shape.visible)
        return;
    LinkThreadToX11Display();
    TopLevel& top = known != m_topLevels.end() ? known->second : Create(hwnd, shape);
    Place(top, shape);
    FollowOwner(top, shape.owner);
    xcb_connection_t* connection = m_connection->get();
    if (shape.visible && !top.mapped) {
        xcb_map_window(connection, top.window);
        top.mapped = true;
        top.dirty = CRect(0, 0, top.shown.Width(), top.shown.Height());
    } else if (!shape.visible && top.mapped) {
        xcb_unmap_window(connection, top.window);
        top.mapped = false;
    }
    if (shape.visible && shape.active)
        Activate(top);
    // The server sees it now, even if the thread does not wait in its loop before long.
    xcb_flush(connection);
}

void X11Display::Activate(const TopLevel& top) {
    xcb_connection_t* connection = m_connection->get();
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection, top.window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, top.window, XCB_CURRENT_TIME);
}

X11Display::TopLevel& X11Display::Create(HWND hwnd, const Shape& shape) {
    xcb_connection_t* connection = m_connection->get();
    const xcb_screen_t& screen = *m_connection->screen();
    TopLevel top;
    top.window = xcb_generate_id(connection);
    top.thread = GetCurrentThreadId();
    top.shown = shape.rect;
    // No background of the server's: everything shown comes from the surface.
    const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, kEventMask};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, top.window, screen.root, top.shown.left,
                      top.shown.top, std::max(1, top.shown.Width()),
                      std::max(1, top.shown.Height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen.root_visual, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK, values);
    HintUndecorated(*m_connection, top.window);
    HintProtocols(*m_connection, top.window);
    FollowTitle(top, shape.title);
    if (m_cursorShown) {
        const uint32_t cursor = m_cursors.For(m_cursorShown);
        xcb_change_window_attributes(connection, top.window, XCB_CW_CURSOR, &cursor);
    }
    return m_topLevels.emplace(hwnd, top).first->second;
}

void X11Display::Place(TopLevel& top, const Shape& shape) {
    const CRect& rect = shape.rect;
    HintSizes(*m_connection, top.window, rect.TopLeft(), shape.minimum, shape.maximum);
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

void X11Display::FollowOwner(TopLevel& top, HWND owner) {
    const auto known = m_topLevels.find(owner);
    const xcb_window_t ownerWindow = known != m_topLevels.end() ? known->second.window : XCB_NONE;
    if (ownerWindow != top.owner)
        HintOwner(*m_connection, top.window, ownerWindow);
    top.owner = ownerWindow;
}

void X11Display::FollowTitle(TopLevel& top, std::string title) {
    if (title == top.title && !top.title.empty())
        return;
    HintTitle(*m_connection, top.window, title);
    top.title = std::move(title);
}

void X11Display::TopLevelDestroyed(HWND hwnd) {
    std::lock_guard lock(m_lock);
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
    std::erase_if(m_activeFollowed,
                  [hwnd](const auto& followed) { return followed.second == hwnd; });
}

void X11Display::ContentInvalidated(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || m_lost)
        return;
    CRect client;
    // A window whose frame waits for painting changes whole; otherwise only its update region.
    if (record->frameDirty)
        MarkChanged(hwnd, WindowRectOf(hwnd), false);
    else if (GetUpdateRect(hwnd, &client, FALSE))
        MarkChanged(hwnd, client, true);
    // A new window text repaints the caption: the title follows it.
    std::string title = WindowTextOf(hwnd);
    std::lock_guard lock(m_lock);
    if (const auto known = m_topLevels.find(hwnd); known != m_topLevels.end())
        FollowTitle(known->second, std::move(title));
}

void X11Display::PixelsMoved(HWND hwnd, const RECT& client) {
    if (!m_lost)
        MarkChanged(hwnd, client, true);
}

void X11Display::MarkChanged(HWND hwnd, CRect part, bool clientCoordinates) {
    const HWND ancestor = GetAncestor(hwnd, GA_ROOT);
    const HWND root = ancestor ? ancestor : hwnd;
    if (clientCoordinates) {
        CPoint origin(0, 0);
        ClientToScreen(hwnd, &origin);
        part.OffsetRect(origin);
    }
    // The surface has the top-level window's corner at its origin.
    const CRect top = WindowRectOf(root);
    part.OffsetRect(-top.left, -top.top);
    std::lock_guard lock(m_lock);
    const auto known = m_topLevels.find(root);
    if (known != m_topLevels.end())
        known->second.dirty.UnionRect(known->second.dirty, part);
}

void X11Display::BeforeWait(std::vector<pollfd>& fds) {
    if (m_lost)
        return;
    const DWORD thread = GetCurrentThreadId();
    {
        std::lock_guard lock(m_lock);
        PresentPainted(thread);
        ShowCursor();
        FollowCapture(thread);
        FollowActivation(thread);
    }
    // Events already read off the socket would wait unseen behind poll(); the read hands
    // them out, and the thread's wake-up brings its own at once.
    m_router.Read();
    m_router.CollectPollFds(fds);
}

void X11Display::AfterWait() {
    m_router.Read();
    for (const X11EventRouter::Event& event : m_router.TakeAll()) {
        if (m_lost)
            break;
        Handle(*event);
    }
    if (!m_connection->brokenBecause().empty() && !m_lost.exchange(true))
        ConnectionLost();
}

void X11Display::ThreadEnded() {
    m_router.Forget();
    std::lock_guard lock(m_lock);
    m_activeFollowed.erase(GetCurrentThreadId());
}

void X11Display::PresentPainted(DWORD thread) {
    for (auto& [hwnd, top] : m_topLevels) {
        if (top.thread != thread || !top.mapped || top.dirty.IsRectEmpty() || PaintPending(hwnd))
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

void X11Display::FollowCapture(DWORD thread) {
    const HWND captured = GetCapture();
    const auto top = m_topLevels.find(captured ? GetAncestor(captured, GA_ROOT) : nullptr);
    const xcb_window_t wanted = top != m_topLevels.end() ? top->second.window : XCB_NONE;
    // The server grabs for the connection, not for a thread: a thread lets go only of its own.
    if (wanted == m_grab || (wanted == XCB_NONE && m_grabbedBy != thread))
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
    m_grabbedBy = thread;
}

void X11Display::FollowActivation(DWORD thread) {
    const HWND active = GetActiveWindow();
    HWND& followed = m_activeFollowed[thread];
    if (active == followed)
        return;
    followed = active;
    // The window the thread activated (a click, a dialog that opened) gets the keyboard.
    if (const auto top = m_topLevels.find(active); top != m_topLevels.end() && top->second.mapped)
        Activate(top->second);
}

HWND X11Display::WindowOf(xcb_window_t window) const {
    std::lock_guard lock(m_lock);
    for (const auto& [hwnd, top] : m_topLevels)
        if (top.window == window)
            return hwnd;
    return nullptr;
}

DWORD X11Display::ThreadOf(xcb_window_t window) const {
    std::lock_guard lock(m_lock);
    const auto known = m_topLevels.find(WindowOf(window));
    return known != m_topLevels.end() ? known->second.thread : 0;
}

bool X11Display::Grabbed() const {
    std::lock_guard lock(m_lock);
    return m_grab != XCB_NONE;
}

void X11Display::ConnectionLost() {
    std::fprintf(stderr, "vornui: the X display \"%s\" is gone (%s); the message loop ends\n",
                 m_connection->name().c_str(), m_connection->brokenBecause().c_str());
    std::set<DWORD> threads{m_openedBy};
    {
        std::lock_guard lock(m_lock);
        for (const auto& [hwnd, top] : m_topLevels)
            threads.insert(top.thread);
    }
    for (const DWORD thread : threads)
        if (const auto queue = ThreadMessageQueue::OfThread(thread))
            queue->PostQuit(1);
}
