#pragma once

// Text output and measurement with the selected font: TextOut, ExtTextOut, DrawText and
// the extent and metric queries. Text is code page 1252.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int count);
VORNUI_API BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                           UINT count, const INT* dx);
// With DT_MODIFYSTRING the buffer must have room for count + 4 characters.
VORNUI_API int DrawText(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format);
// Writes `text` at (x, y) with each tab moved to the next of `tabStops` (pixels from
// `tabOrigin`); with one stop, tabs every that many pixels; with none, or past the last, every
// eight average characters. Gives the width in the low word and the height in the high word.
VORNUI_API LONG TabbedTextOut(HDC hdc, int x, int y, LPCSTR text, int count, int tabCount,
                              const INT* tabStops, int tabOrigin);

VORNUI_API BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int count, LPSIZE size);
VORNUI_API BOOL GetTextExtentPoint(HDC hdc, LPCSTR text, int count, LPSIZE size);
VORNUI_API BOOL GetTextExtentExPoint(HDC hdc, LPCSTR text, int count, int maxExtent, LPINT fit,
                                     LPINT partialExtents, LPSIZE size);
VORNUI_API BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC metrics);
VORNUI_API int GetTextFace(HDC hdc, int count, LPSTR faceName);
VORNUI_API BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, LPINT widths);
