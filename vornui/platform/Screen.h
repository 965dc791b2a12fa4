#pragma once

// The screen as the desktop shows it: its settings (SystemSettings.h), and what of them
// concerns windows.

#include "vornui/platform/SystemSettings.h"

// Changes system colours and tells every top-level window (WM_SYSCOLORCHANGE).
VORNUI_API BOOL SetSysColors(int count, const INT* elements, const COLORREF* colors);
// The monitor the window overlaps most.
VORNUI_API HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
