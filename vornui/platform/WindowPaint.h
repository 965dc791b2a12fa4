#pragma once

// Device contexts of windows. Every top-level window paints into a 32-bit surface of its
// own size; its children paint into the same surface, each DC placed at the child's
// client area (or, for a window DC, its window rectangle) and clipped to what of it the
// ancestors let show. A window that is not visible paints nowhere.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/WindowTypes.h"

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

#define PW_CLIENTONLY 0x00000001

// A null window gives a DC of the screen: it measures and knows the display but paints
// nothing.
VORNUI_API HDC GetDC(HWND hwnd);
VORNUI_API HDC GetWindowDC(HWND hwnd);
VORNUI_API int ReleaseDC(HWND hwnd, HDC hdc);
VORNUI_API HWND WindowFromDC(HDC hdc);
// Clipped to the update region, which it validates; erases first (WM_ERASEBKGND) when
// the invalidation asked for it.
VORNUI_API HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
VORNUI_API BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
// Paints the window and its children now and copies the picture into `hdc`.
VORNUI_API BOOL PrintWindow(HWND hwnd, HDC hdc, UINT flags);

// Update regions (client coordinates; the regions handed in are copied).
VORNUI_API BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
VORNUI_API BOOL ValidateRgn(HWND hwnd, HRGN region);
VORNUI_API int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
