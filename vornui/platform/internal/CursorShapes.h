#pragma once

// Inside the desktop: the pixels of the system's cursors, for a display that shows them
// (exported for the platform's own tests and display backends; the header is not
// installed).

#include "vornui/platform/Cursors.h"
#include "vornui/platform/Export.h"

#include <cstdint>
#include <vector>

struct CursorShape {
    int width = 0;
    int height = 0;
    POINT hotspot{};
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, rows from the top; alpha 0 is clear
};

// The shape of `cursor`, null for a handle that names no cursor.
VORNUI_API const CursorShape* ShapeOfCursor(HCURSOR cursor);
