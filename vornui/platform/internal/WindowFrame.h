#pragma once

// The non-client area of a window as WM_NCPAINT draws it: borders, edges and the caption
// bar with the window's title and a close box.

#include "vornui/platform/WindowTypes.h"

void PaintWindowFrame(HWND hwnd);
