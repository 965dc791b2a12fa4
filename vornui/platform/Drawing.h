#pragma once

// Lines, shapes, fills and pixels on a device context.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
VORNUI_API BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position);
VORNUI_API BOOL LineTo(HDC hdc, int x, int y);
VORNUI_API BOOL Polyline(HDC hdc, const POINT* points, int count);
VORNUI_API BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count);
VORNUI_API BOOL Polygon(HDC hdc, const POINT* points, int count);
VORNUI_API BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
VORNUI_API BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);

VORNUI_API int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
VORNUI_API int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
VORNUI_API BOOL InvertRect(HDC hdc, const RECT* rect);
VORNUI_API BOOL DrawFocusRect(HDC hdc, const RECT* rect);
VORNUI_API BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
VORNUI_API BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush);
VORNUI_API BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height);
VORNUI_API BOOL PaintRgn(HDC hdc, HRGN region);
VORNUI_API BOOL InvertRgn(HDC hdc, HRGN region);

VORNUI_API COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
VORNUI_API BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);
VORNUI_API COLORREF GetPixel(HDC hdc, int x, int y);
