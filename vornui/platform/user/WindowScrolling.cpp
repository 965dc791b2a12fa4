#include "vornui/platform/WindowScrolling.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/UpdateRegions.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <vector>

namespace {

// Moves the pixels of `moved` (device coordinates of `dc`, where they land) from dx, dy
// back, a block at a time through a copy, so that source and target may overlap. Only what
// lies on the surface moves.
void MovePixels(const DeviceContext& dc, const Region& moved, int dx, int dy) {
    PixelSurface* surface = dc.surface();
    if (!surface)
        return;
    const CRect bounds(0, 0, surface->width(), surface->height());
    std::vector<Pixel> block;
    for (CRect target : moved.rects()) {
        target.OffsetRect(dc.surfaceOrigin);
        CRect source(target);
        source.OffsetRect(-dx, -dy);
        CRect inside;
        if (!inside.IntersectRect(target, bounds) || inside != target ||
            !inside.IntersectRect(source, bounds) || inside != source)
            continue;
        const auto width = static_cast<std::ptrdiff_t>(target.Width());
        block.resize(static_cast<size_t>(width * target.Height()));
        for (int y = 0; y < target.Height(); ++y) {
            const Pixel* from = surface->row(source.top + y) + source.left;
            std::copy(from, from + width, block.begin() + y * width);
        }
        for (int y = 0; y < target.Height(); ++y)
            std::copy(block.begin() + y * width, block.begin() + (y + 1) * width,
                      surface->row(target.top + y) + target.left);
    }
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
    const auto updateRecord = update ? LiveGdiObjectOf<RegionRecord>(update) : nullptr;
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
    Region moved;
    if (record->redraw && IsWindowVisible(hwnd)) {
        HDC hdc = GetDC(hwnd);
        if (const auto dc = LiveDC(hdc); dc && dc->visible) {
            Region sources = *dc->visible;
            sources.offset(dx, dy);
            moved = Region::Combine(Region::Combine(landed, *dc->visible, RegionOp::And), sources,
                                    RegionOp::And);
            MovePixels(*dc, moved, dx, dy);
        }
        ReleaseDC(hwnd, hdc);
    }
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
    if (!moved.empty())
        GetDesktopDisplay().PixelsMoved(hwnd, moved.bounds());
    if (flags & SW_INVALIDATE) {
        InvalidateClientRegion(hwnd, uncovered, (flags & SW_ERASE) ? TRUE : FALSE);
        GetDesktopDisplay().ContentInvalidated(hwnd);
    }
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
