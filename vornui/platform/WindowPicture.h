#pragma once

// A picture of a window as a person would see it, in one call: the window and everything
// in it painted into a 32-bit bitmap of the window's size and written as a PNG file.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

// Writes the picture of `hwnd` (frame, caption and children included) to `path` as PNG,
// whatever the path's extension. FALSE when the window does not exist or is not visible
// (it would paint nothing), or the file cannot be written.
VORNUI_API BOOL RenderWindowToPng(HWND hwnd, LPCSTR path);
