#pragma once

// Windows as objects in memory: creation and destruction, window data, text, the tree of
// parents, owners and children, visibility, enabled state, focus and capture. Geometry is
// in WindowPosition.h, messages and the loop in MessageLoop.h.

#include "vornui/platform/Export.h"
#include "vornui/platform/ProcessIdentity.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/WindowTypes.h"

#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_INVALID_THREAD_ID 1444L
#define ERROR_WINDOW_OF_OTHER_THREAD 1408L

VORNUI_API ATOM RegisterClass(const WNDCLASS* windowClass);
VORNUI_API BOOL UnregisterClass(LPCTSTR className, HANDLE instance);
VORNUI_API BOOL GetClassInfo(HANDLE instance, LPCTSTR className, WNDCLASS* windowClass);
VORNUI_API int GetClassName(HWND hwnd, LPTSTR className, int maxCount);

VORNUI_API HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                               int x, int y, int width, int height, HWND parent, HMENU menu,
                               HANDLE instance, LPVOID param);
VORNUI_API HWND CreateWindow(LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                             int width, int height, HWND parent, HMENU menu, HANDLE instance,
                             LPVOID param);
VORNUI_API BOOL DestroyWindow(HWND hwnd);
VORNUI_API BOOL IsWindow(HWND hwnd);
VORNUI_API HWND GetDesktopWindow();
VORNUI_API DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId);

VORNUI_API LONG GetWindowLong(HWND hwnd, int index);
VORNUI_API LONG SetWindowLong(HWND hwnd, int index, LONG value);
VORNUI_API LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
VORNUI_API LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
VORNUI_API int GetDlgCtrlID(HWND hwnd);

VORNUI_API LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
VORNUI_API LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam);

VORNUI_API BOOL SetWindowText(HWND hwnd, LPCTSTR text);
VORNUI_API int GetWindowText(HWND hwnd, LPTSTR text, int maxCount);
VORNUI_API int GetWindowTextLength(HWND hwnd);

VORNUI_API HWND GetParent(HWND hwnd);
VORNUI_API HWND SetParent(HWND child, HWND newParent);
VORNUI_API HWND GetAncestor(HWND hwnd, UINT flags);
VORNUI_API HWND GetWindow(HWND hwnd, UINT command);
VORNUI_API HWND GetTopWindow(HWND hwnd);
// The owned window the user last brought forward, or `hwnd` when it owns none that shows.
VORNUI_API HWND GetLastActivePopup(HWND hwnd);
VORNUI_API HWND GetNextWindow(HWND hwnd, UINT command);
VORNUI_API BOOL IsChild(HWND parent, HWND hwnd);
VORNUI_API HWND GetDlgItem(HWND dialog, int id);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
VORNUI_API BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
VORNUI_API BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);

VORNUI_API BOOL ShowWindow(HWND hwnd, int command);
VORNUI_API BOOL IsWindowVisible(HWND hwnd);
VORNUI_API BOOL IsIconic(HWND hwnd);
VORNUI_API BOOL IsZoomed(HWND hwnd);
VORNUI_API BOOL EnableWindow(HWND hwnd, BOOL enable);
VORNUI_API BOOL IsWindowEnabled(HWND hwnd);

// Focus, capture and activation belong to the calling thread.
VORNUI_API HWND SetFocus(HWND hwnd);
VORNUI_API HWND GetFocus();
VORNUI_API HWND SetCapture(HWND hwnd);
VORNUI_API HWND GetCapture();
VORNUI_API BOOL ReleaseCapture();
VORNUI_API HWND SetActiveWindow(HWND hwnd);
VORNUI_API HWND GetActiveWindow();
VORNUI_API HWND GetForegroundWindow();
VORNUI_API BOOL SetForegroundWindow(HWND hwnd);
VORNUI_API SHORT GetKeyState(int virtualKey);

// Invalidation: which part of a window waits for WM_PAINT.
VORNUI_API BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
VORNUI_API BOOL ValidateRect(HWND hwnd, const RECT* rect);
VORNUI_API BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
VORNUI_API BOOL UpdateWindow(HWND hwnd);
VORNUI_API BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags);

// The standard scroll bars of a window (SB_HORZ, SB_VERT). A new range or page that leaves
// nothing to scroll hides the bar, or with SIF_DISABLENOSCROLL keeps it disabled; one that
// leaves something to scroll shows it again (as does SetScrollRange).
VORNUI_API int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
VORNUI_API BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
VORNUI_API int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
VORNUI_API int GetScrollPos(HWND hwnd, int bar);
VORNUI_API BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
VORNUI_API BOOL GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos);
VORNUI_API BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
