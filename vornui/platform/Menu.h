#pragma once

// Menus as the window manager keeps them: menu bars and popup menus made of items (text,
// separators, submenus) with their state (checked, greyed), the menu bar of a top-level
// window (which takes its strip of the window above the client area), the window menu,
// and popup menus tracked on the screen until the desktop's user picks an item or
// dismisses them.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

#define ERROR_INVALID_MENU_HANDLE 1401L
#define ERROR_MENU_ITEM_NOT_FOUND 1456L
#define ERROR_POPUP_ALREADY_ACTIVE 1446L

#define MF_INSERT 0x00000000L
#define MF_CHANGE 0x00000080L
#define MF_APPEND 0x00000100L
#define MF_DELETE 0x00000200L
#define MF_REMOVE 0x00001000L
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR 0x00000800L
#define MF_ENABLED 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_USECHECKBITMAPS 0x00000200L
#define MF_STRING 0x00000000L
#define MF_BITMAP 0x00000004L
#define MF_OWNERDRAW 0x00000100L
#define MF_POPUP 0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK 0x00000040L
#define MF_UNHILITE 0x00000000L
#define MF_HILITE 0x00000080L
#define MF_DEFAULT 0x00001000L
#define MF_SYSMENU 0x00002000L
#define MF_HELP 0x00004000L
#define MF_RIGHTJUSTIFY 0x00004000L
#define MFT_STRING MF_STRING
#define MFT_SEPARATOR MF_SEPARATOR
#define MFT_RADIOCHECK 0x00000200L
#define MFS_GRAYED 0x00000003L
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED MF_CHECKED
#define MFS_HILITE MF_HILITE
#define MFS_ENABLED MF_ENABLED
#define MFS_DEFAULT MF_DEFAULT

#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_HORIZONTAL 0x0000L
#define TPM_VERTICAL 0x0040L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L
#define TPM_RECURSE 0x0001L

// The commands of the window menu.
#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

#define WM_INITMENU 0x0116
#define WM_INITMENUPOPUP 0x0117
#define WM_MENUSELECT 0x011F
#define WM_ENTERMENULOOP 0x0211
#define WM_EXITMENULOOP 0x0212
#define WM_UNINITMENUPOPUP 0x0125
// Asks the window of a tracked popup menu for its menu.
#define MN_GETHMENU 0x01E1

struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude; // screen rectangle the menu must not cover
};
using LPTPMPARAMS = TPMPARAMS*;

VORNUI_API HMENU CreateMenu();
VORNUI_API HMENU CreatePopupMenu();
// Destroys the menu and every submenu it holds.
VORNUI_API BOOL DestroyMenu(HMENU menu);
VORNUI_API BOOL IsMenu(HMENU menu);

// `item` is a command id (MF_BYCOMMAND, searched in submenus too) or a position
// (MF_BYPOSITION). With MF_POPUP, `idOrPopup` is the submenu's handle.
VORNUI_API BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCTSTR text);
// Inserts before `item`; a position past the end, or a command that is not there, appends.
VORNUI_API BOOL InsertMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text);
// Replaces the item; a submenu it opened is destroyed unless it is the new one.
VORNUI_API BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCTSTR text);
// Takes the item out; its submenu survives (RemoveMenu) or is destroyed (DeleteMenu).
VORNUI_API BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
VORNUI_API BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);

// -1 for a menu that is not there.
VORNUI_API int GetMenuItemCount(HMENU menu);
// The item's command id; -1 for a submenu or a position out of range.
VORNUI_API UINT GetMenuItemID(HMENU menu, int position);
// The item's text (its length when `text` is null); 0 when the item is not there.
VORNUI_API int GetMenuString(HMENU menu, UINT item, LPTSTR text, int maxCount, UINT flags);
// The item's MF_ flags (for a submenu, its item count in the high byte); -1 when missing.
VORNUI_API UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// These three return the previous state (MF_CHECKED; MF_GRAYED, MF_DISABLED), -1 when the
// item is not there.
VORNUI_API DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
VORNUI_API BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
// Checks `check` with a radio mark and clears the other items from `first` to `last`.
VORNUI_API BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
VORNUI_API HMENU GetSubMenu(HMENU menu, int position);

// The menu bar of a top-level window. The window keeps it, and destroys it with itself.
VORNUI_API BOOL SetMenu(HWND hwnd, HMENU menu);
VORNUI_API HMENU GetMenu(HWND hwnd);
VORNUI_API BOOL DrawMenuBar(HWND hwnd);
// The window's own copy of the window menu (Restore, Move, Size, Minimize, Maximize,
// Close, as its styles allow); `revert` drops the copy and returns null.
VORNUI_API HMENU GetSystemMenu(HWND hwnd, BOOL revert);
// Where item `position` lies on the screen: in the menu bar of `hwnd`, or in the tracked
// popup `menu` (then `hwnd` may be null).
VORNUI_API BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect);

// Shows the popup menu at (x, y) and tracks it until the desktop's user picks an item or
// dismisses the menu. The owner first receives WM_INITMENUPOPUP; a picked item is posted
// to it as WM_COMMAND. TPM_RETURNCMD returns the picked id instead (0 when dismissed);
// TPM_NONOTIFY sends the owner nothing.
VORNUI_API BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner,
                                 LPTPMPARAMS params);
VORNUI_API BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                               const RECT* ignored);
// Ends the popup menu the calling thread tracks, as if dismissed.
VORNUI_API BOOL EndMenu();
