#include "vornui/platform/WindowScrolling.h"

#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"
#include "vornui/platform/internal/UpdateRegions.h"

#include <vector>

namespace {

// Moves the pixels of `moved` (client coordinates, where they land) from dx, dy back, on
// the window's surface, through a copy so that source and target may overlap.
void MovePixels(HWND hwnd, const Region& moved, int dx, int dy) {
    if (moved.empty())
        return;
    HDC hdc = GetDC(hwnd);
    const DeviceContext* dc = LiveDC(hdc);
    PixelSurface* surface = dc ? dc->surface() : nullptr;
    if (surface) {
        const CRect target = moved.bounds();
        const CPoint origin = dc->surfaceOrigin;
        const int width = target.Width();
        std::vector<Pixel> copy(static_cast<size_t>(width) * static_cast<size_t>(target.Height()));
        const auto inside = [&](int x, int y) { return surface->contains(x, y); };
        for (int y = target.top; y < target.bottom; ++y)
            for (int x = target.left; x < target.right; ++x) {
                const int sx = x - dx + origin.x;
                const int sy = y - dy + origin.y;
                copy[static_cast<size_t>((y - target.top) * width + (x - target.left))] =
                    inside(sx, sy) ? surface->pixel(sx, sy) : 0;
            }
        for (const CRect& rect : moved.rects())
            for (int y = rect.top; y < rect.bottom; ++y)
                for (int x = rect.left; x < rect.right; ++x)
                    if (inside(x + origin.x, y + origin.y))
                        surface->setPixel(
                            x + origin.x, y + origin.y,
                            copy[static_cast<size_t>((y - target.top) * width + (x - target.left))]);
    }
    ReleaseDC(hwnd, hdc);
}

// What of the client area shows on the screen, in client coordinates.
Region VisibleClient(HWND hwnd) {
    HDC hdc = GetDC(hwnd);
    const DeviceContext* dc = LiveDC(hdc);
    Region visible = dc && dc->visible ? *dc->visible : Region();
    ReleaseDC(hwnd, hdc);
    return visible;
}

void MoveChildren(HWND hwnd, const CRect& area, int dx, int dy) {
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CRect rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<LPPOINT>(&rect), 2);
        if (!CRect().IntersectRect(rect, area))
            continue;
        SetWindowPos(child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(child, nullptr, TRUE);
    }
}

} // namespace

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags) {
    WindowRecord* record = LiveWindow(hwnd);
    auto* updateRecord = update ? LiveGdiObjectOf<RegionRecord>(update) : nullptr;
    if (!record || (update && !updateRecord))
        return ERROR;
    CRect client;
    GetClientRect(hwnd, &client);
    CRect area = client;
    if (scroll)
        area.IntersectRect(area, scroll);
    CRect limit = client;
    if (clip)
        limit.IntersectRect(limit, clip);
    const Region affected = Region::Combine(Region(area), Region(limit), RegionOp::And);
    Region shifted(area);
    shifted.offset(dx, dy);
    const Region landed = Region::Combine(shifted, affected, RegionOp::And);

    // Only pixels that show can move, and only onto places that show.
    const bool painting = record->redraw && IsWindowVisible(hwnd);
    Region visible = painting ? VisibleClient(hwnd) : Region();
    Region visibleSources = visible;
    visibleSources.offset(dx, dy);
    const Region moved = Region::Combine(Region::Combine(landed, visible, RegionOp::And),
                                         visibleSources, RegionOp::And);
    MovePixels(hwnd, moved, dx, dy);
    const Region uncovered = Region::Combine(affected, moved, RegionOp::Diff);

    // The part still waiting to be painted moves with its pixels.
    const Region pendingInside = Region::Combine(record->update, affected, RegionOp::And);
    if (!pendingInside.empty()) {
        Region pendingMoved = pendingInside;
        pendingMoved.offset(dx, dy);
        record->update = Region::Combine(
            Region::Combine(record->update, pendingInside, RegionOp::Diff),
            Region::Combine(pendingMoved, Region(client), RegionOp::And), RegionOp::Or);
    }
    if (flags & SW_SCROLLCHILDREN)
        MoveChildren(hwnd, area, dx, dy);
    if (flags & SW_INVALIDATE)
        InvalidateClientRegion(hwnd, uncovered, (flags & SW_ERASE) ? TRUE : FALSE);
    if (updateRecord)
        updateRecord->region = uncovered;
    if (updateRect)
        *updateRect = uncovered.bounds();
    return RegionComplexity(uncovered);
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    const UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN);
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr, flags) != ERROR;
}
