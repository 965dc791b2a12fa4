#pragma once

// Mouse cursors: the system's shapes, the one the desktop shows now and whether it shows.
// A window sets its cursor when it receives WM_SETCURSOR; DefWindowProc sets the class
// cursor over the client area and the sizing arrows over a sizing frame.

#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WindowTypes.h"

struct CursorRecord;
using HCURSOR = CursorRecord*;

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)

#define CURSOR_SHOWING 0x00000001

struct CURSORINFO {
    DWORD cbSize;
    DWORD flags;
    HCURSOR hCursor;
    POINT ptScreenPos;
};
using PCURSORINFO = CURSORINFO*;

// A system cursor (a null instance and one of the IDC_ names), shared and never destroyed;
// null for any other.
VORNUI_API HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR name);
// Makes `cursor` the desktop's cursor (null: none) and returns the one it replaces.
VORNUI_API HCURSOR SetCursor(HCURSOR cursor);
VORNUI_API HCURSOR GetCursor();
// Counts shows and hides; the cursor shows while the count is not negative. Returns the
// new count.
VORNUI_API int ShowCursor(BOOL show);
VORNUI_API BOOL GetCursorInfo(PCURSORINFO info);
