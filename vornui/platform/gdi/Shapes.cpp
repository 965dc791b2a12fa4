#include "vornui/platform/internal/Shapes.h"

#include <algorithm>
#include <cmath>

CRect NormalizedRect(int left, int top, int right, int bottom) {
    CRect rect(left, top, right, bottom);
    rect.NormalizeRect();
    return rect;
}

Region EllipseRegion(const CRect& bounds) {
    if (bounds.IsRectEmpty())
        return Region();
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    const double rx = bounds.Width() / 2.0;
    const double ry = bounds.Height() / 2.0;
    const int top = std::max<int>(bounds.top, -kDeviceCoordinateLimit);
    const int bottom = std::min<int>(bounds.bottom, kDeviceCoordinateLimit);
    std::vector<std::vector<Span>> rows;
    for (int y = top; y < bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int left = static_cast<int>(std::ceil(cx - half - 0.5));
        const int right = static_cast<int>(std::ceil(cx + half - 0.5));
        rows.push_back({{left, right}});
    }
    return Region::FromRows(top, std::move(rows));
}

Region FrameRegion(const CRect& bounds, int width, int height) {
    CRect inner(bounds);
    inner.DeflateRect(width, height);
    if (inner.IsRectEmpty())
        return Region(bounds);
    return Region::Combine(Region(bounds), Region(inner), RegionOp::Diff);
}
