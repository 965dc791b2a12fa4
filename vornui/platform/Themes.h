#pragma once

// Visual styles (the uxtheme interface): a window opens the theme data of a control class and
// draws the parts of that class in the desktop's style. Whether the desktop has visual
// styles is a screen setting; without them no theme opens and callers draw the classic look.
// The style knows the parts the library draws: the scroll bar's size box.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowTypes.h"

struct ThemeRecord;
using HTHEME = ThemeRecord*;

// Scroll-bar parts and the size box's states.
#define SBP_SIZEBOX 10
#define SZB_RIGHTALIGN 1
#define SZB_LEFTALIGN 2
#define SZB_TOPRIGHTALIGN 3
#define SZB_TOPLEFTALIGN 4
#define SZB_HALFBOTTOMRIGHTALIGN 5
#define SZB_HALFBOTTOMLEFTALIGN 6
#define SZB_HALFTOPRIGHTALIGN 7
#define SZB_HALFTOPLEFTALIGN 8

// The theme of the first class in `classList` ("SCROLLBAR", or several separated by ';')
// that the style knows; null without visual styles, for no known class or no window.
VORNUI_API HTHEME OpenThemeData(HWND hwnd, LPCTSTR classList);
VORNUI_API HRESULT CloseThemeData(HTHEME theme);
// E_NOTIMPL for a part the style does not draw.
VORNUI_API HRESULT DrawThemeBackground(HTHEME theme, HDC hdc, int partId, int stateId,
                                       const RECT* rect, const RECT* clip);
VORNUI_API BOOL IsThemeActive();

// Configuration of the desktop: visual styles on (the default) or off.
VORNUI_API void SetVisualStylesEnabled(BOOL enabled);
