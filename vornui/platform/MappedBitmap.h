#pragma once

// Bitmap resources loaded with some of their colours replaced, so that a picture drawn in
// black and greys follows the system's colours (CreateMappedBitmap).

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WindowTypes.h"

struct COLORMAP {
    COLORREF from;
    COLORREF to;
};
using LPCOLORMAP = COLORMAP*;

// Bitmap `id` of `module` with each colour `from` of `map` drawn as its `to`. Without a map,
// black, dark grey, light grey and white become the button text, shadow, face and
// highlight colours. Null when the module has no such bitmap.
VORNUI_API HBITMAP CreateMappedBitmap(HINSTANCE module, INT_PTR id, UINT flags, const COLORMAP* map,
                                      int count);
