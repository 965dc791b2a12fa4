#pragma once

// Device contexts: creation, the selected objects, colours and modes, coordinate origins,
// clipping, SaveDC/RestoreDC, palettes and the device's capabilities.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API HDC CreateCompatibleDC(HDC hdc);
VORNUI_API BOOL DeleteDC(HDC hdc);
VORNUI_API HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
VORNUI_API HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
VORNUI_API int SaveDC(HDC hdc);
VORNUI_API BOOL RestoreDC(HDC hdc, int savedDC);
VORNUI_API int GetDeviceCaps(HDC hdc, int index);

VORNUI_API COLORREF SetTextColor(HDC hdc, COLORREF color);
VORNUI_API COLORREF GetTextColor(HDC hdc);
VORNUI_API COLORREF SetBkColor(HDC hdc, COLORREF color);
VORNUI_API COLORREF GetBkColor(HDC hdc);
VORNUI_API int SetBkMode(HDC hdc, int mode);
VORNUI_API int GetBkMode(HDC hdc);
VORNUI_API int SetROP2(HDC hdc, int mode);
VORNUI_API int GetROP2(HDC hdc);
VORNUI_API int SetPolyFillMode(HDC hdc, int mode);
VORNUI_API int GetPolyFillMode(HDC hdc);
VORNUI_API int SetStretchBltMode(HDC hdc, int mode);
VORNUI_API int GetStretchBltMode(HDC hdc);
VORNUI_API UINT SetTextAlign(HDC hdc, UINT align);
VORNUI_API UINT GetTextAlign(HDC hdc);
VORNUI_API COLORREF SetDCBrushColor(HDC hdc, COLORREF color);
VORNUI_API COLORREF GetDCBrushColor(HDC hdc);
VORNUI_API COLORREF SetDCPenColor(HDC hdc, COLORREF color);
VORNUI_API COLORREF GetDCPenColor(HDC hdc);

VORNUI_API BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous);
VORNUI_API BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin);
VORNUI_API BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous);
VORNUI_API BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous);
VORNUI_API BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin);
VORNUI_API BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous);
VORNUI_API BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous);
VORNUI_API BOOL LPtoDP(HDC hdc, LPPOINT points, int count);
VORNUI_API BOOL DPtoLP(HDC hdc, LPPOINT points, int count);

// Clipping. Regions handed in are in device coordinates and copied.
VORNUI_API int SelectClipRgn(HDC hdc, HRGN region);
VORNUI_API int ExtSelectClipRgn(HDC hdc, HRGN region, int mode);
VORNUI_API int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
VORNUI_API int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
VORNUI_API int OffsetClipRgn(HDC hdc, int dx, int dy);
VORNUI_API int GetClipBox(HDC hdc, LPRECT rect);
VORNUI_API int GetClipRgn(HDC hdc, HRGN region);
VORNUI_API BOOL PtVisible(HDC hdc, int x, int y);
VORNUI_API BOOL RectVisible(HDC hdc, const RECT* rect);

VORNUI_API HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
VORNUI_API UINT RealizePalette(HDC hdc);
VORNUI_API UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, LPPALETTEENTRY entries);

// The display's colour format (not a system call: the headless display is configured).
// 32 bits per pixel by default; 8 makes it a palette device with 256 system colours.
VORNUI_API void SetDisplayBitsPerPixel(int bitsPerPixel);
VORNUI_API int GetDisplayBitsPerPixel();
