#pragma once

// The clipboard, process-wide: one window (or thread) has it open at a time; the data
// handed to it (global memory blocks, bitmaps) belongs to it until it is emptied.

#include "vornui/platform/Export.h"
#include "vornui/platform/GlobalMemory.h"
#include "vornui/platform/WindowTypes.h"

#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_OEMTEXT 7
#define CF_DIB 8
#define CF_UNICODETEXT 13
#define ERROR_CLIPBOARD_NOT_OPEN 1418L

VORNUI_API BOOL OpenClipboard(HWND owner);
VORNUI_API BOOL CloseClipboard();
VORNUI_API BOOL EmptyClipboard();
// The clipboard takes over the data: a global memory block, or for CF_BITMAP a bitmap.
VORNUI_API HANDLE SetClipboardData(UINT format, HANDLE data);
VORNUI_API HANDLE SetClipboardData(UINT format, HGLOBAL data);
VORNUI_API HANDLE GetClipboardData(UINT format);
VORNUI_API BOOL IsClipboardFormatAvailable(UINT format);
VORNUI_API int CountClipboardFormats();
VORNUI_API UINT EnumClipboardFormats(UINT format);
VORNUI_API HWND GetClipboardOwner();
VORNUI_API HWND GetOpenClipboardWindow();
