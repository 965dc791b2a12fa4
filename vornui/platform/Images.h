#pragma once

// Loading bitmaps and icons from a module's resources or from files.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/Resources.h"

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2

#define LR_DEFAULTCOLOR 0x00000000
#define LR_MONOCHROME 0x00000001
#define LR_LOADFROMFILE 0x00000010
#define LR_LOADTRANSPARENT 0x00000020
#define LR_DEFAULTSIZE 0x00000040
#define LR_LOADMAP3DCOLORS 0x00001000
#define LR_CREATEDIBSECTION 0x00002000
#define LR_SHARED 0x00008000

// A bitmap (HBITMAP) or an icon (HICON) from `module`'s resources, from the system's icons
// (`module` null, IMAGE_ICON) or, with LR_LOADFROMFILE, from the file `name`. Icons get
// `width` x `height`, the system's icon size with LR_DEFAULTSIZE when those are 0, or
// else the size they were stored with. With LR_LOADTRANSPARENT or LR_LOADMAP3DCOLORS a
// bitmap with a colour table has its colours replaced by the system's: the colour of the
// first pixel by the window colour (the face colour when both are given), the three greys
// of a 3-D look by the shadow, face and light colours. Without LR_CREATEDIBSECTION a
// bitmap is device-dependent (monochrome for 1-bit data); with it, a 32-bit DIB section.
VORNUI_API HANDLE LoadImage(HINSTANCE module, LPCTSTR name, UINT type, int width, int height,
                            UINT flags);
VORNUI_API HBITMAP LoadBitmap(HINSTANCE module, LPCTSTR name);
