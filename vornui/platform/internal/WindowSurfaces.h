#pragma once

// Inside the window manager's painting: the surfaces top-level windows and their children
// paint into, and from which the desktop presents them.

#include "vornui/platform/WindowTypes.h"
#include "vornui/platform/internal/PixelSurface.h"

#include <memory>

// The surface a top-level window and its children paint into, as large as the window.
std::shared_ptr<PixelSurface> WindowSurfaceOf(HWND top);
