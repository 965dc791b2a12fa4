#pragma once

// The clipboard, process-wide, for text (CF_TEXT), with the global memory blocks that
// carry clipboard data.

#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WindowTypes.h"

#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_OEMTEXT 7
#define CF_UNICODETEXT 13

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)

VORNUI_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
VORNUI_API LPVOID GlobalLock(HGLOBAL memory);
VORNUI_API BOOL GlobalUnlock(HGLOBAL memory);
VORNUI_API SIZE_T GlobalSize(HGLOBAL memory);
VORNUI_API HGLOBAL GlobalFree(HGLOBAL memory);

// Only one window (or the process, with a null owner) has the clipboard open at a time.
VORNUI_API BOOL OpenClipboard(HWND owner);
VORNUI_API BOOL CloseClipboard();
VORNUI_API BOOL EmptyClipboard();
// The clipboard takes over the memory block; the caller must not free it.
VORNUI_API HANDLE SetClipboardData(UINT format, HANDLE memory);
VORNUI_API HANDLE SetClipboardData(UINT format, HGLOBAL memory);
// The block stays the clipboard's; it lives until the clipboard is emptied.
VORNUI_API HANDLE GetClipboardData(UINT format);
VORNUI_API BOOL IsClipboardFormatAvailable(UINT format);
