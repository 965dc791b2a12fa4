#include "vornui/platform/Screen.h"

#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

namespace {

BOOL SendColorChange(HWND hwnd, LPARAM) {
    SendMessage(hwnd, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

} // namespace

BOOL SetSysColors(int count, const INT* elements, const COLORREF* colors) {
    StoreSysColors(count, elements, colors);
    EnumWindows(SendColorChange, 0);
    return TRUE;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    RECT rect;
    if (!GetWindowRect(hwnd, &rect))
        return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromPoint(POINT{0, 0}, flags);
    return MonitorFromRect(&rect, flags);
}
