#pragma once

// The pixel areas of the filled shapes, shared by drawing and regions.

#include "vornui/platform/internal/Region.h"

// The rectangle between two corners given in either order.
CRect NormalizedRect(int left, int top, int right, int bottom);
// The ellipse inscribed in `bounds` (right and bottom exclusive), sampled at pixel centres.
Region EllipseRegion(const CRect& bounds);
// The ring `width` pixels wide just inside the edge of `bounds`.
Region FrameRegion(const CRect& bounds, int width, int height);
