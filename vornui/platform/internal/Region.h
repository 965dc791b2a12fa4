#pragma once

// An area of the plane as horizontal bands, each a sorted list of disjoint x spans; bands
// are sorted, disjoint and coalesced (two touching bands never have the same spans), so
// equal areas have equal representations. Regions, clipping and update areas use it.

#include "vornui/platform/CRect.h"

#include <vector>

struct Span {
    int left;
    int right; // exclusive
    bool operator==(const Span&) const = default;
};

struct Band {
    int top;
    int bottom; // exclusive
    std::vector<Span> spans;
    bool operator==(const Band&) const = default;
};

enum class RegionOp { And, Or, Xor, Diff };

class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect);
    // Rows of spans from `top` down, one entry per pixel row; spans may be unsorted.
    static Region FromRows(int top, std::vector<std::vector<Span>> rows);
    static Region Combine(const Region& a, const Region& b, RegionOp op);

    bool empty() const { return m_bands.empty(); }
    bool isRectangle() const { return m_bands.size() == 1 && m_bands[0].spans.size() == 1; }
    CRect bounds() const;
    const std::vector<Band>& bands() const { return m_bands; }
    std::vector<CRect> rects() const;
    // The band covering row y, or null.
    const Band* bandAt(int y) const;
    bool contains(int x, int y) const;
    bool intersects(const RECT& rect) const;
    void offset(int dx, int dy);
    bool operator==(const Region&) const = default;

    // Calls visit(left, right) for each part of the row segment [x0, x1) inside the region.
    template <typename Visit>
    void forEachSpan(int y, int x0, int x1, Visit&& visit) const {
        const Band* band = bandAt(y);
        if (!band)
            return;
        for (const Span& span : band->spans) {
            if (span.left >= x1)
                break;
            const int left = span.left > x0 ? span.left : x0;
            const int right = span.right < x1 ? span.right : x1;
            if (left < right)
                visit(left, right);
        }
    }

private:
    void appendBand(int top, int bottom, std::vector<Span> spans);

    std::vector<Band> m_bands;
};

// Device space ends where 16-bit coordinates do: shapes are traced no further.
constexpr int kDeviceCoordinateLimit = 1 << 15;

// The pixels of a polygon as rows of spans, sampled at pixel centres, with the system's
// fill modes (ALTERNATE: odd crossings inside; WINDING: non-zero winding inside).
Region PolygonRegion(const POINT* points, int count, int fillMode);
