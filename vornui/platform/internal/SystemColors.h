#pragma once

// Inside drawing: the system colours as the fill functions and the standard controls use
// them.

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/internal/ControlPainting.h"

// A brush handle as the fill functions take it: a live brush, or a system colour index
// plus one, as window classes and FillRect callers write (HBRUSH)(COLOR_BTNFACE + 1).
HBRUSH ResolveBrushHandle(const void* brush);
ControlPalette SystemControlPalette();
