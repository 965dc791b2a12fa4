#pragma once

// Device-dependent bitmaps, DIB sections and the conversion between bitmaps and
// device-independent pixel blocks.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

// Bitmaps of 1 bit (monochrome) and of the display's depth; initial bits, when given,
// are rows padded to 16 bits, top row first.
VORNUI_API HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                                const void* bits);
VORNUI_API HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// 32-bit BI_RGB sections only: their bits are the pixels the device context paints.
VORNUI_API HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                    HANDLE section, DWORD offset);
VORNUI_API int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits,
                         LPBITMAPINFO info, UINT usage);
VORNUI_API int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
                         const BITMAPINFO* info, UINT usage);
VORNUI_API BOOL GdiFlush();
