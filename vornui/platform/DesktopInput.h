#pragma once

// Mouse and keyboard input as the desktop delivers it. A display backend feeds what the
// person does here, and so does the scripted user. Events wait in the input queue of the
// thread they are posted to; which window receives each one (the window under the pointer
// or the capture, the focus) is decided when that thread's loop takes it, as the system
// does, so that a click that opens a list and a click into the list behave as in reality.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

// `message` is WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN or WM_RBUTTONUP;
// the pointer moves to `screen` first.
VORNUI_API BOOL PostMouseInput(DWORD threadId, UINT message, POINT screen);
// A key going down or up; `character` is what the key types (0 for none), delivered as
// WM_CHAR by TranslateMessage.
VORNUI_API BOOL PostKeyInput(DWORD threadId, UINT virtualKey, BOOL down, char character = 0);

// Two presses within this many milliseconds (500 unless set) make a double click.
VORNUI_API UINT GetDoubleClickTime();
VORNUI_API BOOL SetDoubleClickTime(UINT milliseconds);

VORNUI_API BOOL GetCursorPos(LPPOINT point);
VORNUI_API BOOL SetCursorPos(int x, int y);
