#pragma once

// The resize-mode bits that speak of one direction.

#include "vornui/layout/KLayoutMgr.h"

inline UINT AbsoluteBit(layOrientation direction) {
    return direction == layHorizontal ? layAbsoluteHorz : layAbsoluteVert;
}

inline UINT RelativeBit(layOrientation direction) {
    return direction == layHorizontal ? layRelativeHorz : layRelativeVert;
}

inline UINT FillBit(layOrientation direction) {
    return direction == layHorizontal ? layFillHorz : layFillVert;
}
