// The frame of a rectangle the person drags, drawn by inversion.

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"

namespace {

// Every other pixel, as the system's halftone brush has them.
HBRUSH CreateHalftoneBrush() {
    const WORD rows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);
    return brush;
}

void InvertFrame(HDC dc, const RECT& rect, SIZE size, HBRUSH brush) {
    HGDIOBJ old = SelectObject(dc, brush);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int side = height - 2 * size.cy;
    PatBlt(dc, rect.left, rect.top, width, size.cy, PATINVERT);
    PatBlt(dc, rect.left, rect.bottom - size.cy, width, size.cy, PATINVERT);
    if (side > 0) {
        PatBlt(dc, rect.left, rect.top + size.cy, size.cx, side, PATINVERT);
        PatBlt(dc, rect.right - size.cx, rect.top + size.cy, size.cx, side, PATINVERT);
    }
    SelectObject(dc, old);
}

} // namespace

void CDC::DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize, CBrush* brush,
                       CBrush* lastBrush) {
    HBRUSH halftone = CreateHalftoneBrush();
    const auto handleOf = [&](CBrush* given) {
        return given ? static_cast<HBRUSH>(given->GetSafeHandle()) : halftone;
    };
    if (lastRect)
        InvertFrame(m_hDC, *lastRect, lastSize, handleOf(lastBrush ? lastBrush : brush));
    if (rect)
        InvertFrame(m_hDC, *rect, size, handleOf(brush));
    DeleteObject(halftone);
}
