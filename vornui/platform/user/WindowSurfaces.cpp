#include "vornui/platform/internal/WindowSurfaces.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <map>
#include <mutex>

namespace {

struct Surfaces {
    std::mutex mutex;
    std::map<HWND, std::shared_ptr<PixelSurface>> byWindow;
};

Surfaces& AllSurfaces() {
    static Surfaces surfaces;
    return surfaces;
}

// A parent that does not clip its children paints over them: they paint again after it.
void InvalidateCoveredChildren(HWND parent, const Region& update) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        CRect rect;
        GetWindowRect(child, &rect);
        POINT origin{0, 0};
        ClientToScreen(parent, &origin);
        rect.OffsetRect(-origin.x, -origin.y);
        if (update.intersects(rect))
            InvalidateRect(child, nullptr, TRUE);
    }
}

} // namespace

std::shared_ptr<PixelSurface> WindowSurfaceOf(HWND top) {
    CRect rect;
    GetWindowRect(top, &rect);
    Surfaces& surfaces = AllSurfaces();
    std::lock_guard lock(surfaces.mutex);
    // Surfaces of windows that are gone go too; looking must not change the last error.
    const DWORD lastError = GetLastError();
    std::erase_if(surfaces.byWindow, [](const auto& entry) { return !IsWindow(entry.first); });
    SetLastError(lastError);
    auto& surface = surfaces.byWindow[top];
    if (surface && surface->width() == rect.Width() && surface->height() == rect.Height())
        return surface;
    auto resized = std::make_shared<PixelSurface>(rect.Width(), rect.Height());
    if (surface)
        resized->copyFrom(*surface);
    surface = resized;
    return surface;
}

void PaintPendingWindows(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool NeedsPainting(const WindowRecord& record) {
    return !record.update.empty() || record.internalPaint;
}

BOOL InvalidateClientRegion(HWND hwnd, const Region& area, BOOL erase) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    if (!record->redraw)
        return TRUE;
    const Region client(CRect(0, 0, record->clientArea.Width(), record->clientArea.Height()));
    record->update =
        Region::Combine(record->update, Region::Combine(area, client, RegionOp::And), RegionOp::Or);
    record->erase = record->erase || erase;
    return TRUE;
}

BOOL ValidateClientRegion(HWND hwnd, const Region& area) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    record->internalPaint = false;
    record->update = Region::Combine(record->update, area, RegionOp::Diff);
    if (record->update.empty())
        record->erase = false;
    return TRUE;
}

Region TakeUpdateRegion(HWND hwnd, BOOL* erase) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return Region();
    if (record->frameDirty) {
        record->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        record = LiveWindow(hwnd);
        if (!record)
            return Region();
    }
    Region update = std::move(record->update);
    record->update = Region();
    if (!(record->style & WS_CLIPCHILDREN))
        InvalidateCoveredChildren(hwnd, update);
    *erase = record->erase ? TRUE : FALSE;
    record->erase = false;
    record->internalPaint = false;
    return update;
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    if (!region)
        return InvalidateRect(hwnd, nullptr, erase);
    const auto* record = LiveGdiObjectOf<RegionRecord>(region);
    return record ? InvalidateClientRegion(hwnd, record->region, erase) : FALSE;
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
    if (!region)
        return ValidateRect(hwnd, nullptr);
    const auto* record = LiveGdiObjectOf<RegionRecord>(region);
    return record ? ValidateClientRegion(hwnd, record->region) : FALSE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
    WindowRecord* record = LiveWindow(hwnd);
    auto* target = LiveGdiObjectOf<RegionRecord>(region);
    if (!record || !target)
        return ERROR;
    target->region = record->update;
    if (erase && record->erase && !record->update.empty())
        EraseBackgroundNow(hwnd);
    return RegionComplexity(target->region);
}
