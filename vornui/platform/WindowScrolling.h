#pragma once

// Scrolling the contents of a window: the pixels move, the part they uncover becomes
// invalid, and child windows can move along.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/WindowTypes.h"

#define SW_SCROLLCHILDREN 0x0001
#define SW_INVALIDATE 0x0002
#define SW_ERASE 0x0004
#define SW_SMOOTHSCROLL 0x0010

// Moves the pixels of `scroll` (the client area when null) by dx, dy; only pixels inside
// `clip` (the client area when null) change. The uncovered part goes into `update` and its
// bounds into `updateRect` when given, and into the update region with SW_INVALIDATE (to
// be erased with SW_ERASE); what was already invalid moves with the pixels. Returns the
// complexity of the uncovered region (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
VORNUI_API int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip,
                              HRGN update, LPRECT updateRect, UINT flags);
// ScrollWindowEx that invalidates and erases what it uncovers, and moves the children too
// when the whole client area scrolls.
VORNUI_API BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);
