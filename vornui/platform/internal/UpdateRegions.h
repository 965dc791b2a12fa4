#pragma once

// Inside the window manager's painting: what of each window needs painting. Invalidation
// adds to a window's update region; WM_PAINT, through BeginPaint, takes it.

#include "vornui/platform/WindowTypes.h"
#include "vornui/platform/internal/Region.h"

struct WindowRecord;

// A due frame does not call for WM_PAINT by itself: it is painted with the next one. A
// window whose redraw is off (WM_SETREDRAW) needs none.
bool NeedsPainting(const WindowRecord& record);
// A count that moves on whenever a window may have come to need painting (invalidated, shown,
// given back its redraw). A loop that found nothing to paint need not look again until it
// moves: the loops of threads that poll often then do not walk their windows each time.
unsigned long long PaintChanges();
void NotePaintChange();
BOOL InvalidateClientRegion(HWND hwnd, const Region& area, BOOL erase);
BOOL ValidateClientRegion(HWND hwnd, const Region& area);
// For BeginPaint: paints the frame when it is due (WM_NCPAINT), then hands over the update
// region, leaving the window valid; `erase` says whether WM_ERASEBKGND is due.
Region TakeUpdateRegion(HWND hwnd, BOOL* erase);
