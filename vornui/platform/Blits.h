#pragma once

// Block transfers between device contexts: BitBlt, StretchBlt (nearest pixel), transparent
// blits, and device-independent blocks drawn straight onto a device.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

VORNUI_API BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source,
                       int sourceX, int sourceY, DWORD rop);
VORNUI_API BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source,
                           int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
VORNUI_API BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                               int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                               UINT transparent);
VORNUI_API int StretchDIBits(HDC hdc, int x, int y, int width, int height, int sourceX, int sourceY,
                             int sourceWidth, int sourceHeight, const void* bits,
                             const BITMAPINFO* info, UINT usage, DWORD rop);
