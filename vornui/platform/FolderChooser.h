#pragma once

// The shell's folder chooser. It has a window of its own, to which its callback sends
// BFFM_SETSELECTION and the like; the desktop's user answers it (DesktopUser.h) with a
// folder, or with OK on what is selected, or cancels. Where choosers show windows
// (ChooserWindows.h), the window is a tree of folders the person opens and chooses in.
// Only existing folders can be chosen. An item id list here stands for one folder of the
// file system.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowTypes.h"

#define BIF_RETURNONLYFSDIRS 0x00000001
#define BIF_DONTGOBELOWDOMAIN 0x00000002
#define BIF_STATUSTEXT 0x00000004
#define BIF_EDITBOX 0x00000010
#define BIF_VALIDATE 0x00000020
#define BIF_NEWDIALOGSTYLE 0x00000040
#define BIF_USENEWUI (BIF_NEWDIALOGSTYLE | BIF_EDITBOX)
#define BIF_NONEWFOLDERBUTTON 0x00000200

// Messages to the callback.
#define BFFM_INITIALIZED 1
#define BFFM_SELCHANGED 2
// Messages from the callback to the chooser's window.
#define BFFM_SETSTATUSTEXT (WM_USER + 100)
#define BFFM_ENABLEOK (WM_USER + 101)
#define BFFM_SETSELECTION (WM_USER + 102)
#define BFFM_SETOKTEXT (WM_USER + 105)
#define BFFM_SETEXPANDED (WM_USER + 106)

struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;

using BFFCALLBACK = int (*)(HWND browser, UINT message, LPARAM lParam, LPARAM data);

struct BROWSEINFO {
    HWND hwndOwner;
    PCIDLIST_ABSOLUTE pidlRoot;
    LPSTR pszDisplayName; // receives the chosen folder's name (MAX_PATH bytes)
    LPCSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};
using LPBROWSEINFO = BROWSEINFO*;

// The chosen folder (free it with CoTaskMemFree), or null when the user cancelled.
VORNUI_API PIDLIST_ABSOLUTE SHBrowseForFolder(LPBROWSEINFO info);
// Copies the folder's path (at most MAX_PATH bytes with the zero).
VORNUI_API BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE idList, LPSTR path);
// The id list of a path, whether or not it exists; free it with CoTaskMemFree.
VORNUI_API PIDLIST_ABSOLUTE ILCreateFromPath(LPCSTR path);
VORNUI_API void CoTaskMemFree(LPVOID memory);
