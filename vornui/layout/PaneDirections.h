#pragma once

// The resize-mode bits that speak of one direction, and the smallest extent a node is
// given in a direction where it may shrink.

#include "vornui/layout/KLayoutMgr.h"

inline constexpr int kSmallestExtent = 5;

inline UINT AbsoluteBit(layOrientation direction) {
    return direction == layHorizontal ? layAbsoluteHorz : layAbsoluteVert;
}

inline UINT RelativeBit(layOrientation direction) {
    return direction == layHorizontal ? layRelativeHorz : layRelativeVert;
}

inline UINT FillBit(layOrientation direction) {
    return direction == layHorizontal ? layFillHorz : layFillVert;
}
