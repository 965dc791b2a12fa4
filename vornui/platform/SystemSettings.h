#pragma once

// The settings of the screen that drawing and the window manager both read: monitors with
// their rectangles and work areas, the logical resolution, system metrics and colours, and
// the fonts dialogs are laid out with. Everything has the values of a plain 96-dpi desktop
// with one 1920x1080 monitor until a test or a host configures it; a display backend would
// configure it from the real screen.

#include "vornui/platform/CRect.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

#include <vector>

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CYVTHUMB 9
#define SM_CXHTHUMB 10
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CYVSCROLL 20
#define SM_CXHSCROLL 21
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXSIZE 30
#define SM_CYSIZE 31
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME
#define SM_CXMINTRACK 34
#define SM_CYMINTRACK 35
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXICONSPACING 38
#define SM_CYICONSPACING 39
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CYSMCAPTION 51
#define SM_CXMAXTRACK 59
#define SM_CYMAXTRACK 60
#define SM_CXMAXIMIZED 61
#define SM_CYMAXIMIZED 62
#define SM_CXDRAG 68
#define SM_CYDRAG 69
#define SM_CXMENUCHECK 71
#define SM_CYMENUCHECK 72
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79
#define SM_CMONITORS 80
#define SM_CXPADDEDBORDER 92

#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30

#define MONITOR_DEFAULTTONULL 0x00000000
#define MONITOR_DEFAULTTOPRIMARY 0x00000001
#define MONITOR_DEFAULTTONEAREST 0x00000002
#define MONITORINFOF_PRIMARY 0x00000001

#define SPI_GETWORKAREA 0x0030
#define LOGPIXELSX 88
#define LOGPIXELSY 90

VORNUI_API int GetSystemMetrics(int index);
VORNUI_API COLORREF GetSysColor(int index);
// Changes system colours without telling any window; SetSysColors tells them.
VORNUI_API void StoreSysColors(int count, const INT* elements, const COLORREF* colors);
VORNUI_API BOOL SystemParametersInfo(UINT action, UINT param, PVOID data, UINT winIni);

VORNUI_API HMONITOR MonitorFromPoint(POINT point, DWORD flags);
VORNUI_API HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
VORNUI_API BOOL GetMonitorInfo(HMONITOR monitor, LPMONITORINFO info);

// The dialog base units of the system font: low word horizontal, high word vertical.
VORNUI_API LONG GetDialogBaseUnits();
VORNUI_API int MulDiv(int number, int numerator, int denominator);

// Configuration of the desktop (tests, hosts and display backends).
struct ScreenMonitor {
    CRect rect;
    CRect work;
    bool primary;
};
// Replaces the monitors; exactly one should be primary (the first is, when none says so).
VORNUI_API void SetScreenMonitors(const std::vector<ScreenMonitor>& monitors);
VORNUI_API std::vector<ScreenMonitor> GetScreenMonitors();
VORNUI_API void SetSystemMetric(int index, int value);
// Logical pixels per inch (96 unless set).
VORNUI_API void SetScreenDpi(int dpi);
VORNUI_API int GetScreenDpi();

// The average character width and the height of a font, in pixels, from which dialog
// base units come. Until text rendering measures real glyphs, the metrics of the 8-point
// dialog font (6 by 13 pixels at 96 dpi) scale with the point size and the resolution;
// a renderer installs its own measurement here.
struct FontCharMetrics {
    int averageWidth;
    int height;
};
using FontMetricsProvider = FontCharMetrics (*)(const char* faceName, int pointSize, int dpi);
VORNUI_API FontMetricsProvider SetFontMetricsProvider(FontMetricsProvider provider);
VORNUI_API FontCharMetrics MeasureFont(const char* faceName, int pointSize);
