#pragma once

// Global memory blocks: movable memory behind a handle, locked to reach its bytes. The
// clipboard takes its text in them.

#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WinTypes.h"

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_DDESHARE 0x2000
#define GMEM_SHARE GMEM_DDESHARE
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#define ERROR_NOT_LOCKED 158L

VORNUI_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
VORNUI_API HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags);
// Null when the block was freed, the handle itself when it was not.
VORNUI_API HGLOBAL GlobalFree(HGLOBAL memory);
VORNUI_API LPVOID GlobalLock(HGLOBAL memory);
// Nonzero while the block is still locked.
VORNUI_API BOOL GlobalUnlock(HGLOBAL memory);
VORNUI_API SIZE_T GlobalSize(HGLOBAL memory);
