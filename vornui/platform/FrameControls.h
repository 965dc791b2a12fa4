#pragma once

// DrawFrameControl: the classic pictures of buttons, scroll-bar arrows, the size grip and
// the caption's close box, in the system colours.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

#define DFC_CAPTION 1
#define DFC_SCROLL 3
#define DFC_BUTTON 4
#define DFCS_CAPTIONCLOSE 0x0000
#define DFCS_SCROLLUP 0x0000
#define DFCS_SCROLLDOWN 0x0001
#define DFCS_SCROLLLEFT 0x0002
#define DFCS_SCROLLRIGHT 0x0003
#define DFCS_SCROLLCOMBOBOX 0x0005
#define DFCS_SCROLLSIZEGRIP 0x0008
#define DFCS_BUTTONCHECK 0x0000
#define DFCS_BUTTONRADIO 0x0004
#define DFCS_BUTTON3STATE 0x0008
#define DFCS_BUTTONPUSH 0x0010
#define DFCS_INACTIVE 0x0100
#define DFCS_PUSHED 0x0200
#define DFCS_CHECKED 0x0400
#define DFCS_FLAT 0x4000

VORNUI_API BOOL DrawFrameControl(HDC hdc, LPRECT rect, UINT type, UINT state);
