#pragma once

// Icons: pictures with their own transparency, loaded from the system's set (IDI_*) or a
// module's resources, made from a colour bitmap and a mask, and drawn on a device context.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/Resources.h"

struct IconObject;
using HICON = IconObject*;

#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_HAND MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCE(32515)
#define IDI_ASTERISK MAKEINTRESOURCE(32516)
#define IDI_WINLOGO MAKEINTRESOURCE(32517)
#define IDI_SHIELD MAKEINTRESOURCE(32518)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

// DrawIconEx.
#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_COMPAT 0x0004
#define DI_DEFAULTSIZE 0x0008
#define DI_NOMIRROR 0x0010

struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;  // 1 bit: white where the icon is transparent
    HBITMAP hbmColor; // null for a monochrome icon, whose mask is twice as high
};
using PICONINFO = ICONINFO*;

// A system icon (`module` null) or an icon of `module`'s resources, at the system's icon
// size (SM_CXICON). Such icons are shared: they live as long as the program.
VORNUI_API HICON LoadIcon(HINSTANCE module, LPCTSTR name);
VORNUI_API HICON CreateIconIndirect(PICONINFO info);
VORNUI_API HICON CopyIcon(HICON icon);
// FALSE for a shared icon, which stays.
VORNUI_API BOOL DestroyIcon(HICON icon);
// The caller deletes the two bitmaps. The colour bitmap is a 32-bit DIB section whose
// unused byte holds the alpha.
VORNUI_API BOOL GetIconInfo(HICON icon, PICONINFO info);
VORNUI_API BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
// `width`/`height` 0: the icon's own size, or the system's with DI_DEFAULTSIZE. A
// `flickerFree` brush fills the icon's rectangle first.
VORNUI_API BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step,
                           HBRUSH flickerFree, UINT flags);
