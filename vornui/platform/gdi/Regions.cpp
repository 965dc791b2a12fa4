#include "vornui/platform/Regions.h"

#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/Shapes.h"

namespace {

HRGN MakeRegion(Region region) {
    return static_cast<HRGN>(RegisterGdiObject(std::make_unique<RegionRecord>(std::move(region))));
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return MakeRegion(Region(NormalizedRect(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING))
        return nullptr;
    return MakeRegion(PolygonRegion(points, count, fillMode));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return MakeRegion(EllipseRegion(NormalizedRect(left, top, right, bottom)));
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
    auto target = LiveGdiObjectOf<RegionRecord>(destination);
    const auto a = LiveGdiObjectOf<RegionRecord>(source1);
    if (!target || !a)
        return ERROR;
    if (mode == RGN_COPY) {
        target->region = a->region;
        return RegionComplexity(target->region);
    }
    const auto b = LiveGdiObjectOf<RegionRecord>(source2);
    const std::optional<RegionOp> op = RegionOpOfMode(mode);
    if (!b || !op)
        return ERROR;
    target->region = Region::Combine(a->region, b->region, *op);
    return RegionComplexity(target->region);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record)
        return FALSE;
    record->region = Region(NormalizedRect(left, top, right, bottom));
    return TRUE;
}

int OffsetRgn(HRGN region, int dx, int dy) {
    auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record)
        return ERROR;
    record->region.offset(dx, dy);
    return RegionComplexity(record->region);
}

int GetRgnBox(HRGN region, LPRECT rect) {
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record || !rect)
        return ERROR;
    *rect = record->region.bounds();
    return RegionComplexity(record->region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    return record && record->region.contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record || !rect)
        return FALSE;
    CRect area(rect);
    area.NormalizeRect();
    return record->region.intersects(area) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const auto first = LiveGdiObjectOf<RegionRecord>(a);
    const auto second = LiveGdiObjectOf<RegionRecord>(b);
    if (!first || !second)
        return ERROR;
    return first->region == second->region ? TRUE : FALSE;
}
