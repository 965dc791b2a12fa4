#pragma once

// Pens, brushes, fonts and palettes: creation, stock objects, deletion and description.
// Bitmaps are in Bitmaps.h, regions in Regions.h.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API HGDIOBJ GetStockObject(int index);
VORNUI_API BOOL DeleteObject(HGDIOBJ object);
VORNUI_API int GetObject(HGDIOBJ object, int size, LPVOID buffer);
VORNUI_API DWORD GetObjectType(HGDIOBJ object);
VORNUI_API BOOL UnrealizeObject(HGDIOBJ object);

VORNUI_API HPEN CreatePen(int style, int width, COLORREF color);
VORNUI_API HPEN CreatePenIndirect(const LOGPEN* pen);
VORNUI_API HBRUSH CreateSolidBrush(COLORREF color);
VORNUI_API HBRUSH CreateHatchBrush(int hatch, COLORREF color);
VORNUI_API HBRUSH CreatePatternBrush(HBITMAP bitmap);
VORNUI_API HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
VORNUI_API HFONT CreateFontIndirect(const LOGFONT* font);
VORNUI_API HFONT CreateFont(int height, int width, int escapement, int orientation, int weight,
                            DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                            DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                            DWORD pitchAndFamily, LPCSTR faceName);
VORNUI_API HPALETTE CreatePalette(const LOGPALETTE* palette);
VORNUI_API UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries);
VORNUI_API UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
