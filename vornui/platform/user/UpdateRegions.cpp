#include "vornui/platform/internal/UpdateRegions.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <atomic>

namespace {

std::atomic<unsigned long long> g_paintChanges{0};

// Client area and frame, as a window shown or painted over needs them.
constexpr UINT kWholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;

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
            RedrawWindow(child, nullptr, nullptr, kWholeWindow);
    }
}

// Whether the part of `area` inside the client is already in an update rectangle: a control
// that invalidates row after row of a window it already invalidated whole asks this often,
// and combining regions each time is what would cost.
bool CoveredByUpdate(const WindowRecord& record, const Region& area, const CRect& client) {
    if (!record.update.isRectangle() || !area.isRectangle())
        return false;
    CRect inside;
    if (!inside.IntersectRect(area.bounds(), client))
        return true;
    CRect covered;
    covered.IntersectRect(inside, record.update.bounds());
    return covered == inside;
}

} // namespace

unsigned long long PaintChanges() {
    return g_paintChanges.load(std::memory_order_acquire);
}

void NotePaintChange() {
    g_paintChanges.fetch_add(1, std::memory_order_acq_rel);
}

bool NeedsPainting(const WindowRecord& record) {
    // While redraw is off nothing paints, not even what was invalid before it went off.
    return record.redraw && (!record.update.empty() || record.internalPaint);
}

BOOL InvalidateClientRegion(HWND hwnd, const Region& area, BOOL erase) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    if (!record->redraw)
        return TRUE;
    const CRect clientRect(0, 0, record->clientArea.Width(), record->clientArea.Height());
    if (!CoveredByUpdate(*record, area, clientRect)) {
        const Region client(clientRect);
        record->update = Region::Combine(
            record->update, Region::Combine(area, client, RegionOp::And), RegionOp::Or);
    }
    record->erase = record->erase || erase;
    NotePaintChange();
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

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        EnumChildWindows(
            nullptr,
            [](HWND each, LPARAM) { return RedrawWindow(each, nullptr, nullptr, kWholeWindow); },
            0);
        return TRUE;
    }
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    CRect area(0, 0, record->clientArea.Width(), record->clientArea.Height());
    if (rect)
        area.IntersectRect(area, rect);
    const BOOL invalidated = InvalidateClientRegion(hwnd, Region(area), erase);
    GetDesktopDisplay().ContentInvalidated(hwnd);
    return invalidated;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    if (!rect) {
        WindowRecord* record = LiveWindow(hwnd);
        if (!record)
            return FALSE;
        record->internalPaint = false;
        record->update = Region();
        record->erase = false;
        return TRUE;
    }
    return ValidateClientRegion(hwnd, Region(*rect));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    if (!region)
        return InvalidateRect(hwnd, nullptr, erase);
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record || !InvalidateClientRegion(hwnd, record->region, erase))
        return FALSE;
    GetDesktopDisplay().ContentInvalidated(hwnd);
    return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
    if (!region)
        return ValidateRect(hwnd, nullptr);
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    return record ? ValidateClientRegion(hwnd, record->region) : FALSE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    if (rect)
        *rect = record->update.bounds();
    if (erase && record->erase && !record->update.empty())
        EraseBackgroundNow(hwnd);
    return !record->update.empty();
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
    WindowRecord* record = LiveWindow(hwnd);
    auto target = LiveGdiObjectOf<RegionRecord>(region);
    if (!record || !target)
        return ERROR;
    target->region = record->update;
    if (erase && record->erase && !record->update.empty())
        EraseBackgroundNow(hwnd);
    return RegionComplexity(target->region);
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags) {
    if (!hwnd)
        hwnd = DesktopRecord();
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    const HRGN area = static_cast<HRGN>(static_cast<HGDIOBJ>(region));
    if (hwnd != DesktopRecord()) {
        if (flags & RDW_INVALIDATE) {
            if (area)
                InvalidateRgn(hwnd, area, (flags & RDW_ERASE) != 0);
            else
                InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0);
            if (flags & RDW_FRAME)
                record->frameDirty = true;
        }
        if (flags & RDW_INTERNALPAINT) {
            record->internalPaint = true;
            NotePaintChange();
        }
        if (flags & RDW_VALIDATE) {
            if (area)
                ValidateRgn(hwnd, area);
            else
                ValidateRect(hwnd, rect);
            if (flags & RDW_NOFRAME)
                record->frameDirty = false;
        }
        if (flags & RDW_NOERASE)
            record->erase = false;
        if ((flags & RDW_ERASENOW) && record->erase)
            EraseBackgroundNow(hwnd);
    }
    if ((flags & RDW_UPDATENOW) && hwnd != DesktopRecord())
        UpdateWindow(hwnd);
    if (flags & RDW_ALLCHILDREN)
        for (HWND child : ChildrenOf(hwnd))
            if (IsLiveWindow(child))
                RedrawWindow(child, nullptr, nullptr, flags);
    return TRUE;
}
