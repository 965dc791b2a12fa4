// The server's events as the desktop's: pointer and keys become input for the queue of the
// thread whose window they reach, the window manager's moves and close requests and the
// focus it gives or takes become the window manager's own calls on that thread, exposed
// parts are presented again.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/X11Display.h"
#include "vornui/platform/internal/X11Monitors.h"

namespace {

// The message a pointer button becomes; 0 for the wheel's and other buttons.
UINT ButtonMessage(xcb_button_t button, bool down) {
    switch (button) {
    case XCB_BUTTON_INDEX_1:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case XCB_BUTTON_INDEX_2:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case XCB_BUTTON_INDEX_3:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default:
        return 0;
    }
}

} // namespace

DWORD X11Display::ThreadFor(const xcb_generic_event_t& event) {
    const xcb_window_t window = EventWindow(event);
    if (window == m_clipboard.window())
        return m_clipboard.ThreadFor(event);
    return ThreadOf(window);
}

void X11Display::HandleAnywhere(const xcb_generic_event_t& event) {
    if (EventWindow(event) == m_clipboard.window())
        m_clipboard.HandleAnywhere(event);
    else if (IsX11MonitorChange(*m_connection, event))
        SetScreenMonitors(ReadX11Monitors(*m_connection));
}

void X11Display::Handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_EXPOSE:
        HandleExpose(reinterpret_cast<const xcb_expose_event_t&>(event));
        break;
    case XCB_MOTION_NOTIFY:
    case XCB_BUTTON_PRESS:
    case XCB_BUTTON_RELEASE:
    case XCB_ENTER_NOTIFY:
    case XCB_LEAVE_NOTIFY:
        HandlePointer(event);
        break;
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE:
        HandleKey(reinterpret_cast<const xcb_key_press_event_t&>(event),
                  (event.response_type & 0x7F) == XCB_KEY_PRESS);
        break;
    case XCB_CONFIGURE_NOTIFY:
        HandleConfigure(reinterpret_cast<const xcb_configure_notify_event_t&>(event));
        break;
    case XCB_REPARENT_NOTIFY:
        HandleReparent(reinterpret_cast<const xcb_reparent_notify_event_t&>(event));
        break;
    case XCB_CLIENT_MESSAGE:
        HandleClientMessage(reinterpret_cast<const xcb_client_message_event_t&>(event));
        break;
    case XCB_FOCUS_IN:
        HandleFocusIn(reinterpret_cast<const xcb_focus_in_event_t&>(event));
        break;
    case XCB_FOCUS_OUT:
        HandleFocusOut(reinterpret_cast<const xcb_focus_out_event_t&>(event));
        break;
    default:
        break;
    }
}

void X11Display::HandleExpose(const xcb_expose_event_t& expose) {
    std::lock_guard lock(m_lock);
    if (const auto known = m_topLevels.find(WindowOf(expose.window)); known != m_topLevels.end())
        known->second.dirty.UnionRect(
            known->second.dirty,
            CRect(CPoint(expose.x, expose.y), CSize(expose.width, expose.height)));
}

void X11Display::HandlePointer(const xcb_generic_event_t& event) {
    const uint8_t type = event.response_type & 0x7F;
    // Motion, button, enter and leave events share the layout of the fields read here.
    const auto& pointer = reinterpret_cast<const xcb_button_press_event_t&>(event);
    const POINT screen{pointer.root_x, pointer.root_y};
    const DWORD thread = GetCurrentThreadId();
    if (type == XCB_ENTER_NOTIFY || type == XCB_LEAVE_NOTIFY) {
        // A crossing says where the pointer went when no motion will: a window appeared under
        // it, or it left for another program's. While a button is held the motions come here
        // anyway, and the crossings a grab makes are no moves at all.
        const auto& crossing = reinterpret_cast<const xcb_enter_notify_event_t&>(event);
        constexpr uint16_t kButtons =
            XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3;
        if (crossing.mode == XCB_NOTIFY_MODE_NORMAL && !(crossing.state & kButtons) && !Grabbed())
            PostMouseInput(thread, WM_MOUSEMOVE, screen);
        return;
    }
    if (type == XCB_MOTION_NOTIFY) {
        PostMouseInput(thread, WM_MOUSEMOVE, screen);
        return;
    }
    const bool down = type == XCB_BUTTON_PRESS;
    if (const UINT message = ButtonMessage(pointer.detail, down))
        PostMouseInput(thread, message, screen);
    else if (down && pointer.detail == XCB_BUTTON_INDEX_4)
        PostMouseWheel(thread, screen, WHEEL_DELTA);
    else if (down && pointer.detail == XCB_BUTTON_INDEX_5)
        PostMouseWheel(thread, screen, -WHEEL_DELTA);
}

void X11Display::HandleKey(const xcb_key_press_event_t& event, bool down) {
    std::unique_lock lock(m_lock);
    const KeyStroke stroke =
        down ? m_keyboard->Press(event.detail) : m_keyboard->Release(event.detail);
    lock.unlock();
    if (stroke.virtualKey || stroke.character)
        PostKeyInput(GetCurrentThreadId(), stroke.virtualKey ? stroke.virtualKey : VK_PACKET, down,
                     stroke.character);
}

void X11Display::HandleConfigure(const xcb_configure_notify_event_t& event) {
    std::unique_lock lock(m_lock);
    const HWND hwnd = WindowOf(event.window);
    if (!hwnd)
        return;
    TopLevel& top = m_topLevels[hwnd];
    const bool synthetic = (event.response_type & 0x80) != 0;
    // The notices of the display's own moves come back after it may have moved again.
    if (!synthetic && top.configuresInFlight > 0) {
        --top.configuresInFlight;
        return;
    }
    // A real notice gives the place in the parent: the screen's while the window stands on
    // the root, the frame's once a manager framed it; then only the manager's synthetic
    // notice says where it stands on the screen.
    const bool onScreen = synthetic || !top.framed;
    const CPoint position = onScreen ? CPoint(event.x, event.y) : top.shown.TopLeft();
    const CRect imposed(position, CSize(event.width, event.height));
    if (imposed == top.shown)
        return;
    top.shown = imposed;
    lock.unlock();
    SetWindowPos(hwnd, nullptr, imposed.left, imposed.top, imposed.Width(), imposed.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void X11Display::HandleReparent(const xcb_reparent_notify_event_t& event) {
    std::lock_guard lock(m_lock);
    if (const auto known = m_topLevels.find(WindowOf(event.window)); known != m_topLevels.end())
        known->second.framed = event.parent != m_connection->screen()->root;
}

void X11Display::HandleClientMessage(const xcb_client_message_event_t& event) {
    const HWND hwnd = WindowOf(event.window);
    if (hwnd && event.type == m_connection->atom("WM_PROTOCOLS") &&
        event.data.data32[0] == m_connection->atom("WM_DELETE_WINDOW"))
        PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void X11Display::HandleFocusIn(const xcb_focus_in_event_t& event) {
    const HWND hwnd = WindowOf(event.event);
    if (!hwnd || event.detail == XCB_NOTIFY_DETAIL_POINTER)
        return;
    // Focus given to a window that a modal dialog disabled goes on to the dialog.
    const HWND activated = IsWindowEnabled(hwnd) ? hwnd : GetLastActivePopup(hwnd);
    if (activated && IsWindowEnabled(activated) && GetActiveWindow() != activated)
        SetActiveWindow(activated);
}

void X11Display::HandleFocusOut(const xcb_focus_out_event_t& event) {
    // A keyboard grab, or focus moving within the window, takes nothing from it.
    if (event.mode == XCB_NOTIFY_MODE_GRAB || event.mode == XCB_NOTIFY_MODE_UNGRAB ||
        event.detail == XCB_NOTIFY_DETAIL_INFERIOR || event.detail == XCB_NOTIFY_DETAIL_POINTER)
        return;
    const HWND hwnd = WindowOf(event.event);
    if (!hwnd || GetActiveWindow() != hwnd)
        return;
    // Focus that went to another window of this thread activates it when its FocusIn comes;
    // focus that went anywhere else (another program, another thread) leaves this thread
    // without an active window, as a switch to another program does.
    xcb_connection_t* connection = m_connection->get();
    const XcbReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    if (focus && ThreadOf(focus->focus) == GetCurrentThreadId())
        return;
    SetActiveWindow(nullptr);
}
