#pragma once

// Regions: rectangles, polygons and ellipses, combined and tested.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API HRGN CreateRectRgn(int left, int top, int right, int bottom);
VORNUI_API HRGN CreateRectRgnIndirect(const RECT* rect);
VORNUI_API HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
VORNUI_API HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
VORNUI_API HRGN CreateEllipticRgnIndirect(const RECT* rect);
VORNUI_API int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);
VORNUI_API BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
VORNUI_API int OffsetRgn(HRGN region, int dx, int dy);
VORNUI_API int GetRgnBox(HRGN region, LPRECT rect);
VORNUI_API BOOL PtInRegion(HRGN region, int x, int y);
VORNUI_API BOOL RectInRegion(HRGN region, const RECT* rect);
VORNUI_API BOOL EqualRgn(HRGN a, HRGN b);
