#pragma once

// Where windows are: window rectangles in screen coordinates, client rectangles from 0,
// moves with their WM_WINDOWPOSCHANGING/WM_WINDOWPOSCHANGED/WM_MOVE/WM_SIZE messages,
// deferred moves, coordinate conversion and hit testing.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

VORNUI_API BOOL GetWindowRect(HWND hwnd, LPRECT rect);
VORNUI_API BOOL GetClientRect(HWND hwnd, LPRECT rect);
VORNUI_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
VORNUI_API BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
VORNUI_API BOOL BringWindowToTop(HWND hwnd);

// A deferred move applies every collected position at once, in the order collected.
VORNUI_API HDWP BeginDeferWindowPos(int numWindows);
VORNUI_API HDWP DeferWindowPos(HDWP info, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
                               UINT flags);
VORNUI_API BOOL EndDeferWindowPos(HDWP info);

VORNUI_API BOOL ScreenToClient(HWND hwnd, LPPOINT point);
VORNUI_API BOOL ClientToScreen(HWND hwnd, LPPOINT point);
VORNUI_API int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
VORNUI_API HWND WindowFromPoint(POINT point);
#define CWP_ALL 0x0000
#define CWP_SKIPINVISIBLE 0x0001
#define CWP_SKIPDISABLED 0x0002
#define CWP_SKIPTRANSPARENT 0x0004
VORNUI_API HWND ChildWindowFromPoint(HWND parent, POINT point);
VORNUI_API HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

VORNUI_API BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
VORNUI_API BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);

// The window rectangle that gives `rect` as client area for these styles.
VORNUI_API BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
VORNUI_API BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu);
