#pragma once

// The non-client area of a window: where its parts lie, what a point in it hits
// (WM_NCHITTEST), and how WM_NCPAINT draws it: borders, edges, the caption bar with the
// window's title and its buttons, and the window's scroll bars.

#include "vornui/platform/CRect.h"
#include "vornui/platform/WindowTypes.h"

void PaintWindowFrame(HWND hwnd);

// The parts in window coordinates (the window's top-left corner is 0,0); empty where the
// window has no such part. `button` is HTCLOSE, HTMAXBUTTON or HTMINBUTTON.
CRect CaptionBarRect(HWND hwnd);
CRect CaptionButtonRect(HWND hwnd, int button);
CRect WindowScrollBarRect(HWND hwnd, int bar);
// The client area, in the same window coordinates.
CRect ClientInWindow(HWND hwnd);

// What DefWindowProc answers to WM_NCHITTEST for a point of the screen: the sizing edges
// and corners of a sizing frame, the caption and its buttons, the scroll bars, the client
// area.
LRESULT FrameHitTest(HWND hwnd, POINT screen);

// DefWindowProc for what the person does to the frame: WM_NCHITTEST, WM_SETCURSOR,
// WM_NCLBUTTONDOWN and WM_NCLBUTTONDBLCLK, and the WM_SYSCOMMAND they lead to.
LRESULT DefFrameMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
