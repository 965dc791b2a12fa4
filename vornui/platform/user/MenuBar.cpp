#include "vornui/platform/Drawing.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MenuRecord.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

namespace {

// A window that may have a menu bar: a living top-level window.
WindowRecord* TopLevelWindow(HWND hwnd) {
    WindowRecord* record = LiveWindow(hwnd);
    return record && !(record->style & WS_CHILD) ? record : nullptr;
}

// The menu bar's strip in window coordinates.
CRect MenuBarRect(const WindowRecord& record) {
    const RECT insets = FrameInsets(record.style, record.exStyle);
    return CRect(insets.left, insets.top, record.rect.Width() - insets.right,
                 insets.top + GetSystemMetrics(SM_CYMENU));
}

// Lays the bar's items out where the window shows them now.
MenuTag* LaidOutMenuBar(HWND hwnd) {
    WindowRecord* record = TopLevelWindow(hwnd);
    MenuTag* menu = record ? LiveMenu(record->menu) : nullptr;
    if (!menu)
        return nullptr;
    HDC hdc = GetWindowDC(hwnd);
    LayOutMenuBarItems(hdc, *menu, MenuBarRect(*record));
    ReleaseDC(hwnd, hdc);
    return menu;
}

void AppendSystemItem(HMENU menu, bool allowed, UINT command, LPCTSTR text) {
    AppendMenu(menu, MF_STRING | (allowed ? MF_ENABLED : MF_GRAYED), command, text);
}

HMENU NewSystemMenu(DWORD style) {
    const HMENU menu = CreatePopupMenu();
    const bool sizable = (style & WS_THICKFRAME) != 0;
    const bool minimizable = (style & WS_MINIMIZEBOX) != 0;
    const bool maximizable = (style & WS_MAXIMIZEBOX) != 0;
    const bool restorable = (style & (WS_MINIMIZE | WS_MAXIMIZE)) != 0;
    if (minimizable || maximizable)
        AppendSystemItem(menu, restorable, SC_RESTORE, "&Restore");
    AppendSystemItem(menu, !(style & WS_MINIMIZE), SC_MOVE, "&Move");
    if (sizable)
        AppendSystemItem(menu, !restorable, SC_SIZE, "&Size");
    if (minimizable)
        AppendSystemItem(menu, !(style & WS_MINIMIZE), SC_MINIMIZE, "Mi&nimize");
    if (maximizable)
        AppendSystemItem(menu, !(style & WS_MAXIMIZE), SC_MAXIMIZE, "Ma&ximize");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendSystemItem(menu, true, SC_CLOSE, "&Close\tAlt+F4");
    return menu;
}

} // namespace

void AttachMenuBar(HWND hwnd, HMENU menu) {
    MenuTag* record = LiveMenu(menu);
    hwnd->menu = record ? menu : nullptr;
    if (record)
        record->window = hwnd;
}

void MenuDestroyed(HWND window, HMENU menu) {
    WindowRecord* record = LiveWindow(window);
    if (!record)
        return;
    if (record->menu == menu)
        record->menu = nullptr;
}

void DestroyMenusOfWindow(HWND hwnd) {
    // A menu bar of another window is not ours to take.
    if (const MenuTag* bar = LiveMenu(hwnd->menu); bar && bar->window == hwnd)
        DestroyMenu(hwnd->menu);
    if (IsMenu(hwnd->systemMenu))
        DestroyMenu(hwnd->systemMenu);
}

void PaintMenuBar(HWND hwnd, HDC hdc) {
    const MenuTag* menu = LaidOutMenuBar(hwnd);
    if (!menu)
        return;
    const CRect bar = MenuBarRect(*LiveWindow(hwnd));
    FillRect(hdc, &bar, GetSysColorBrush(COLOR_MENU));
    for (const MenuItemRecord& item : menu->items)
        PaintMenuItem(hdc, item, true, (item.flags & MF_HILITE) != 0);
}

bool IsCloseGreyed(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    if (!record || !IsMenu(record->systemMenu))
        return false;
    const UINT state = GetMenuState(record->systemMenu, SC_CLOSE, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_GRAYED);
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    WindowRecord* record = TopLevelWindow(hwnd);
    if (!record || (menu && !LiveMenu(menu)))
        return FALSE;
    if (MenuTag* previous = LiveMenu(record->menu); previous && previous->window == hwnd)
        previous->window = nullptr;
    AttachMenuBar(hwnd, menu);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    const WindowRecord* record = TopLevelWindow(hwnd);
    return record ? record->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
    if (!GetMenu(hwnd))
        return FALSE;
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return nullptr;
    if (revert) {
        DestroyMenu(record->systemMenu);
        record->systemMenu = nullptr;
        return nullptr;
    }
    if (!(record->style & WS_SYSMENU))
        return nullptr;
    if (!IsMenu(record->systemMenu))
        record->systemMenu = NewSystemMenu(record->style);
    return record->systemMenu;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect) {
    MenuTag* record = LiveMenu(menu);
    if (!record || !rect || position >= record->items.size())
        return FALSE;
    if (record->popup) {
        if (!record->window)
            return FALSE;
        *rect = record->items[position].rect;
        MapWindowPoints(record->window, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
        return TRUE;
    }
    if (GetMenu(hwnd) != menu || !LaidOutMenuBar(hwnd))
        return FALSE;
    RECT window;
    GetWindowRect(hwnd, &window);
    *rect = record->items[position].rect;
    OffsetRect(rect, window.left, window.top);
    return TRUE;
}
