#pragma once

// Brush handles as the fill functions take them: a live brush, or a system colour index
// plus one, as window classes and FillRect callers write (HBRUSH)(COLOR_BTNFACE + 1).

#include "vornui/platform/GdiTypes.h"

HBRUSH ResolveBrushHandle(HBRUSH brush);
