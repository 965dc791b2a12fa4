#pragma once

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/ListCtrl.h"

// How a report column's text lines up: the DrawText alignment (DT_LEFT, DT_CENTER,
// DT_RIGHT) of the column's LVCFMT_* format.
inline UINT ColumnTextAlignment(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_CENTER:
        return DT_CENTER;
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}
