#pragma once

// Mouse and keyboard input as the desktop delivers it. A display backend feeds what the
// person does here, and so does the scripted user. Events wait in the input queue of the
// thread they are posted to; which window receives each one (the window under the pointer
// or the capture, the focus) is decided when that thread's loop takes it, as the system
// does, so that a click that opens a list and a click into the list behave as in reality.

#include "vornui/platform/Export.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/WindowTypes.h"

// `message` is WM_MOUSEMOVE or a button going down or up (WM_LBUTTONDOWN, WM_LBUTTONUP,
// WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP); the pointer moves to
// `screen` first. The window under the pointer answers WM_NCHITTEST and WM_SETCURSOR before
// the mouse message reaches it, unless a window has the capture.
VORNUI_API BOOL PostMouseInput(DWORD threadId, UINT message, POINT screen);
// The wheel turned by `delta` (WHEEL_DELTA a notch, positive away from the user), held to
// what WM_MOUSEWHEEL can carry; the focus window gets it.
VORNUI_API BOOL PostMouseWheel(DWORD threadId, POINT screen, int delta);
// A key going down or up; `character` is what the key types (0 for none), delivered as
// WM_CHAR by TranslateMessage.
VORNUI_API BOOL PostKeyInput(DWORD threadId, UINT virtualKey, BOOL down, char character = 0);

// Two presses within this many milliseconds (500 unless set) make a double click.
VORNUI_API UINT GetDoubleClickTime();
VORNUI_API BOOL SetDoubleClickTime(UINT milliseconds);

VORNUI_API BOOL GetCursorPos(LPPOINT point);
VORNUI_API BOOL SetCursorPos(int x, int y);

// Whether a key or button is down on the desktop now (0x8000), whatever the thread's loop
// has taken so far; GetKeyState answers as of the message being handled.
VORNUI_API SHORT GetAsyncKeyState(int virtualKey);

#define TME_HOVER 0x00000001
#define TME_LEAVE 0x00000002
#define TME_NONCLIENT 0x00000010
#define TME_QUERY 0x40000000
#define TME_CANCEL 0x80000000
#define HOVER_DEFAULT 0xFFFFFFFF

struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// Asks for WM_MOUSELEAVE when the pointer leaves the window's client area and for
// WM_MOUSEHOVER when it rests in it for the hover time (400 ms by default), once each.
VORNUI_API BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
