#pragma once

// Inside the window manager's painting: the surfaces of top-level windows, update regions
// and bringing a window tree's pixels up to date. Not part of the public interface.

#include "vornui/platform/internal/PixelSurface.h"
#include "vornui/platform/internal/Region.h"
#include "vornui/platform/WindowTypes.h"

#include <memory>

struct WindowRecord;

// The surface a top-level window and its children paint into, as large as the window.
std::shared_ptr<PixelSurface> WindowSurfaceOf(HWND top);
// Paints now whatever of the window and its descendants waits for painting.
void PaintPendingWindows(HWND hwnd);

// A due frame does not call for WM_PAINT by itself: it is painted with the next one.
bool NeedsPainting(const WindowRecord& record);
BOOL InvalidateClientRegion(HWND hwnd, const Region& area, BOOL erase);
BOOL ValidateClientRegion(HWND hwnd, const Region& area);
// For BeginPaint: paints the frame when it is due (WM_NCPAINT), then hands over the update
// region, leaving the window valid; `erase` says whether WM_ERASEBKGND is due.
Region TakeUpdateRegion(HWND hwnd, BOOL* erase);
