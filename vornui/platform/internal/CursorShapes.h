#pragma once

// Inside the desktop: the pixels of the system's cursors, for a display that shows them.

#include "vornui/platform/Cursors.h"

#include <cstdint>
#include <vector>

struct CursorShape {
    int width = 0;
    int height = 0;
    POINT hotspot{};
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, rows from the top; alpha 0 is clear
};

// The shape of `cursor`, null for a handle that names no cursor.
const CursorShape* ShapeOfCursor(HCURSOR cursor);
