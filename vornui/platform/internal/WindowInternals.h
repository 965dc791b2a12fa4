#pragma once

// Inside the window manager: helpers shared by creation, positioning and the default
// window procedure.

#include "vornui/platform/WindowTypes.h"

// The style bits of a window (GWL_STYLE).
DWORD StyleOf(HWND hwnd);

// The width of the border, dialog frame or sizing frame these styles draw around a window.
int OuterFrameWidth(DWORD style, DWORD exStyle);

// How far the client area lies inside the window for these styles (non-negative insets:
// left, top, right, bottom), without scroll bars.
RECT FrameInsets(DWORD style, DWORD exStyle);

// Recomputes the client area through WM_NCCALCSIZE after the window rectangle or frame
// changed.
void RecalculateClientArea(HWND hwnd);

// A window size held to the tracking limits the window's procedure gives in
// WM_GETMINMAXINFO; only windows a user may size (overlapped, or with a sizing frame) are.
CSize TrackingSize(HWND hwnd, CSize proposed);
// What the window's procedure answers to WM_GETMINMAXINFO, starting from the system's.
MINMAXINFO TrackingLimits(HWND hwnd);

// The window under a point of the screen, as WindowFromPoint finds it, with its answer to
// WM_NCHITTEST.
HWND WindowFromPointWithHit(POINT screen, LRESULT& hit);

// Sends the due WM_ERASEBKGND at once, through a client-area DC, and marks it done.
void EraseBackgroundNow(HWND hwnd);
// Paints now whatever of the window and its descendants waits for painting.
void PaintPendingWindows(HWND hwnd);

// The framework's hook into creation: called with the new window before it receives its
// first message, once, for the next window the calling thread creates.
using WindowCreationHook = void (*)(HWND hwnd, void* context);
void SetWindowCreationHook(WindowCreationHook hook, void* context);

// Internal SetWindowPos flags that tell WM_WINDOWPOSCHANGED the client area kept its size
// or place (the system uses the same bits).
#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000
