#pragma once

// Inside the window manager: the record behind each HMENU, and the layout and painting of
// menu items shared by menu bars and popup menus. Not part of the public interface.

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/WindowTypes.h"

#include <vector>

struct MenuItemRecord {
    UINT flags = 0; // MF_ type and state bits, MF_POPUP when it opens `subMenu`
    UINT_PTR id = 0;
    HMENU subMenu = nullptr;
    CString text;
    CRect rect; // where the item lies in the window that shows it (see MenuTag::window)
};

struct MenuTag {
    bool popup = false;
    std::vector<MenuItemRecord> items;
    // The window that shows the menu now: the popup window while it is tracked (item
    // rectangles in its client area), or the window whose menu bar it is (item rectangles
    // in its window rectangle).
    HWND window = nullptr;
};

// The record when `menu` names a living menu, else null (and ERROR_INVALID_MENU_HANDLE).
MenuTag* LiveMenu(HMENU menu);

// The item named by `item` and `flags` (a position, or a command id searched in submenus
// too): `menu` becomes the menu that holds it. Null when there is none.
MenuItemRecord* FindMenuItem(HMENU& menu, UINT item, UINT flags);

// Tells the window that shows `menu` that the menu is gone.
void MenuDestroyed(HWND window, HMENU menu);

// Makes `menu` (when it is one) the menu bar of `hwnd`, which is being created.
void AttachMenuBar(HWND hwnd, HMENU menu);

// Frees the menu bar and window menu of a window being destroyed.
void DestroyMenusOfWindow(HWND hwnd);

// Paints the menu bar of `hwnd`, if it has one, into its window DC `hdc`.
void PaintMenuBar(HWND hwnd, HDC hdc);

// Whether the window menu of `hwnd` has its Close item greyed.
bool IsCloseGreyed(HWND hwnd);

// The font menus are drawn with.
HFONT MenuFont();

// Lays the items of a popup menu out from (0, 0) and returns the size they take.
CSize LayOutPopupItems(HDC hdc, MenuTag& menu);
// Lays the items of a menu bar out in `bar` (window coordinates).
void LayOutMenuBarItems(HDC hdc, MenuTag& menu, const CRect& bar);
// Paints one item; `hot` items are drawn selected.
void PaintMenuItem(HDC hdc, const MenuItemRecord& item, bool inBar, bool hot);
