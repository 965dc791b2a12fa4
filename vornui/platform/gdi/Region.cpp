#include "vornui/platform/internal/Region.h"

#include "vornui/platform/GdiTypes.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<Span> NormalizedSpans(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.left < b.left; });
    std::vector<Span> merged;
    for (const Span& span : spans) {
        if (span.left >= span.right)
            continue;
        if (!merged.empty() && span.left <= merged.back().right)
            merged.back().right = std::max(merged.back().right, span.right);
        else
            merged.push_back(span);
    }
    return merged;
}

bool Keep(bool inA, bool inB, RegionOp op) {
    switch (op) {
    case RegionOp::And:
        return inA && inB;
    case RegionOp::Or:
        return inA || inB;
    case RegionOp::Xor:
        return inA != inB;
    case RegionOp::Diff:
        return inA && !inB;
    }
    return false;
}

bool Covers(const std::vector<Span>& spans, int x) {
    for (const Span& span : spans)
        if (x >= span.left && x < span.right)
            return true;
    return false;
}

std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b,
                               RegionOp op) {
    std::vector<int> edges;
    for (const auto* list : {&a, &b})
        for (const Span& span : *list)
            edges.insert(edges.end(), {span.left, span.right});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<Span> result;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        if (!Keep(Covers(a, edges[i]), Covers(b, edges[i]), op))
            continue;
        if (!result.empty() && result.back().right == edges[i])
            result.back().right = edges[i + 1];
        else
            result.push_back({edges[i], edges[i + 1]});
    }
    return result;
}

const std::vector<Span> kNoSpans;

const std::vector<Span>& SpansAt(const Region& region, int y) {
    const Band* band = region.bandAt(y);
    return band ? band->spans : kNoSpans;
}

} // namespace

Region::Region(const RECT& rect) {
    if (rect.left < rect.right && rect.top < rect.bottom)
        m_bands.push_back({rect.top, rect.bottom, {{rect.left, rect.right}}});
}

Region Region::FromRows(int top, std::vector<std::vector<Span>> rows) {
    Region region;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = top + static_cast<int>(i);
        region.appendBand(y, y + 1, NormalizedSpans(std::move(rows[i])));
    }
    return region;
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
    std::vector<int> edges;
    for (const auto* region : {&a, &b})
        for (const Band& band : region->m_bands)
            edges.insert(edges.end(), {band.top, band.bottom});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    Region result;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i)
        result.appendBand(edges[i], edges[i + 1],
                          CombineSpans(SpansAt(a, edges[i]), SpansAt(b, edges[i]), op));
    return result;
}

void Region::appendBand(int top, int bottom, std::vector<Span> spans) {
    if (spans.empty())
        return;
    if (!m_bands.empty() && m_bands.back().bottom == top && m_bands.back().spans == spans) {
        m_bands.back().bottom = bottom;
        return;
    }
    m_bands.push_back({top, bottom, std::move(spans)});
}

CRect Region::bounds() const {
    if (m_bands.empty())
        return CRect();
    CRect box(m_bands.front().spans.front().left, m_bands.front().top,
              m_bands.front().spans.back().right, m_bands.back().bottom);
    for (const Band& band : m_bands) {
        box.left = std::min<LONG>(box.left, band.spans.front().left);
        box.right = std::max<LONG>(box.right, band.spans.back().right);
    }
    return box;
}

std::vector<CRect> Region::rects() const {
    std::vector<CRect> result;
    for (const Band& band : m_bands)
        for (const Span& span : band.spans)
            result.emplace_back(span.left, band.top, span.right, band.bottom);
    return result;
}

const Band* Region::bandAt(int y) const {
    auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                               [](int value, const Band& band) { return value < band.bottom; });
    return it != m_bands.end() && it->top <= y ? &*it : nullptr;
}

bool Region::contains(int x, int y) const {
    const Band* band = bandAt(y);
    return band && Covers(band->spans, x);
}

bool Region::intersects(const RECT& rect) const {
    return !Combine(*this, Region(rect), RegionOp::And).empty();
}

void Region::offset(int dx, int dy) {
    for (Band& band : m_bands) {
        band.top += dy;
        band.bottom += dy;
        for (Span& span : band.spans) {
            span.left += dx;
            span.right += dx;
        }
    }
}

namespace {

struct Crossing {
    double x;
    int direction;
};

std::vector<Span> PolygonRow(const POINT* points, int count, double sampleY, int fillMode) {
    std::vector<Crossing> crossings;
    for (int i = 0; i < count; ++i) {
        const POINT& p = points[i];
        const POINT& q = points[(i + 1) % count];
        if (p.y == q.y)
            continue;
        const bool down = p.y < q.y;
        const double y0 = down ? p.y : q.y;
        const double y1 = down ? q.y : p.y;
        if (sampleY < y0 || sampleY >= y1)
            continue;
        const double x = p.x + (sampleY - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y);
        crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    std::vector<Span> spans;
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].direction;
        const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
        if (!inside)
            continue;
        // A pixel is inside when its centre is: x + 0.5 in [left, right).
        const int left = static_cast<int>(std::ceil(crossings[i].x - 0.5));
        const int right = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
        spans.push_back({left, right});
    }
    return spans;
}

} // namespace

Region PolygonRegion(const POINT* points, int count, int fillMode) {
    if (!points || count < 3)
        return Region();
    int top = points[0].y;
    int bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min<int>(top, points[i].y);
        bottom = std::max<int>(bottom, points[i].y);
    }
    top = std::max(top, -kDeviceCoordinateLimit);
    bottom = std::min(bottom, kDeviceCoordinateLimit);
    std::vector<std::vector<Span>> rows;
    rows.reserve(static_cast<std::size_t>(std::max(bottom - top, 0)));
    for (int y = top; y < bottom; ++y)
        rows.push_back(PolygonRow(points, count, y + 0.5, fillMode));
    return Region::FromRows(top, std::move(rows));
}
