// The server's events as the desktop's: pointer and keys become input for the thread's
// queue, the window manager's moves and close requests and the focus it gives become the
// window manager's own calls, exposed parts are presented again.

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/InputCodes.h"
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

void X11Display::Handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_EXPOSE: {
        const auto& expose = reinterpret_cast<const xcb_expose_event_t&>(event);
        if (const auto known = m_topLevels.find(WindowOf(expose.window));
            known != m_topLevels.end())
            known->second.dirty.UnionRect(
                known->second.dirty,
                CRect(CPoint(expose.x, expose.y), CSize(expose.width, expose.height)));
        break;
    }
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
    case XCB_CLIENT_MESSAGE:
        HandleClientMessage(reinterpret_cast<const xcb_client_message_event_t&>(event));
        break;
    case XCB_FOCUS_IN:
        HandleFocusIn(reinterpret_cast<const xcb_focus_in_event_t&>(event));
        break;
    default:
        if (IsX11MonitorChange(*m_connection, event))
            SetScreenMonitors(ReadX11Monitors(*m_connection));
        break;
    }
}

void X11Display::HandlePointer(const xcb_generic_event_t& event) {
    const uint8_t type = event.response_type & 0x7F;
    // Motion, button, enter and leave events share the layout of the fields read here.
    const auto& pointer = reinterpret_cast<const xcb_button_press_event_t&>(event);
    const POINT screen{pointer.root_x, pointer.root_y};
    if (type == XCB_ENTER_NOTIFY || type == XCB_LEAVE_NOTIFY) {
        // A crossing says where the pointer went when no motion will: a window appeared under
        // it, or it left for another program's. While a button is held the motions come here
        // anyway, and the crossings a grab makes are no moves at all.
        const auto& crossing = reinterpret_cast<const xcb_enter_notify_event_t&>(event);
        constexpr uint16_t kButtons =
            XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3;
        if (crossing.mode == XCB_NOTIFY_MODE_NORMAL && !(crossing.state & kButtons) &&
            m_grab == XCB_NONE)
            PostMouseInput(m_threadId, WM_MOUSEMOVE, screen);
        return;
    }
    if (type == XCB_MOTION_NOTIFY) {
        PostMouseInput(m_threadId, WM_MOUSEMOVE, screen);
        return;
    }
    const bool down = type == XCB_BUTTON_PRESS;
    if (const UINT message = ButtonMessage(pointer.detail, down))
        PostMouseInput(m_threadId, message, screen);
    else if (down && pointer.detail == XCB_BUTTON_INDEX_4)
        PostMouseWheel(m_threadId, screen, WHEEL_DELTA);
    else if (down && pointer.detail == XCB_BUTTON_INDEX_5)
        PostMouseWheel(m_threadId, screen, -WHEEL_DELTA);
}

void X11Display::HandleKey(const xcb_key_press_event_t& event, bool down) {
    const KeyStroke stroke =
        down ? m_keyboard->Press(event.detail) : m_keyboard->Release(event.detail);
    if (stroke.virtualKey || stroke.character)
        PostKeyInput(m_threadId, stroke.virtualKey ? stroke.virtualKey : VK_PACKET, down,
                     stroke.character);
}

void X11Display::HandleConfigure(const xcb_configure_notify_event_t& event) {
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
    // Only the manager's synthetic notice gives the place on the screen; a real one, under a
    // manager that framed the window, gives its place in the frame.
    const CPoint position = synthetic ? CPoint(event.x, event.y) : top.shown.TopLeft();
    const CRect imposed(position, CSize(event.width, event.height));
    if (imposed == top.shown)
        return;
    top.shown = imposed;
    SetWindowPos(hwnd, nullptr, imposed.left, imposed.top, imposed.Width(), imposed.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void X11Display::HandleClientMessage(const xcb_client_message_event_t& event) {
    const HWND hwnd = WindowOf(event.window);
    if (hwnd && event.type == m_connection->atom("WM_PROTOCOLS") &&
        event.data.data32[0] == m_connection->atom("WM_DELETE_WINDOW"))
        PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void X11Display::HandleFocusIn(const xcb_focus_in_event_t& event) {
    const HWND hwnd = WindowOf(event.event);
    if (hwnd && event.detail != XCB_NOTIFY_DETAIL_POINTER && IsWindowEnabled(hwnd) &&
        GetActiveWindow() != hwnd)
        SetActiveWindow(hwnd);
}
