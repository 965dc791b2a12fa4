#pragma once

// The picture of a property row's "..." button: one strip of three 20 by 19 pixel states
// side by side (normal, under the mouse, pressed), in the image-block form the hover
// button draws from. Internal to the library.

#include "vornui/platform/CDC.h"
#include "vornui/platform/WinTypes.h"

// The strip: width, height (negative: rows top-down), then the 0x00RRGGBB pixels.
const DWORD* PropertyButtonImage();
// The normal state stretched into `rect`, with "..." centred on it.
void DrawPropertyButtonFace(CDC* dc, const CRect& rect);
