#pragma once

// The framework's control bars: the ids that mark them among a window's children, their
// alignment styles, and the WM_SIZEPARENT exchange through which CWnd::RepositionBars
// hands each bar its strip of the client area.

#include "vornui/platform/WindowTypes.h"

#define WM_SIZEPARENT 0x0361

#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

#define ID_SEPARATOR 0

#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_SIZE_DYNAMIC 0x0080L
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL 0x0040FFFFL

// RepositionBars
#define reposDefault 0
#define reposQuery 1
#define reposExtra 2

struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP; // the deferred moves; null when the layout is only asked for
    RECT rect; // what is left of the client area; each bar takes its strip from it
    SIZE sizeTotal;
    BOOL bStretch;
};
