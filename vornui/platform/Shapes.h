#pragma once

// The pixel areas of the filled shapes, shared by drawing and regions.

#include "vornui/platform/Region.h"

// The ellipse inscribed in `bounds` (right and bottom exclusive), sampled at pixel centres.
Region EllipseRegion(const CRect& bounds);
// The ring `width` pixels wide just inside the edge of `bounds`.
Region FrameRegion(const CRect& bounds, int width, int height);
