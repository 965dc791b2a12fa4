#include "vornui/platform/Drawing.h"

#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/internal/Raster.h"
#include "vornui/platform/internal/Shapes.h"
#include "vornui/platform/internal/SystemColors.h"

#include <algorithm>

namespace {

template <typename Paint>
BOOL WithPainter(HDC hdc, Paint&& paint) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    Painter painter(*dc);
    if (painter)
        paint(painter);
    return TRUE;
}

// A brush handle may also name a system colour as its index plus one.
BrushSource BrushFor(DeviceContext& dc, HBRUSH brush) {
    return BrushSource::Of(dc, ResolveBrushHandle(brush));
}

BrushSource PenColorSource(DeviceContext& dc) {
    const auto pen = LiveGdiObjectOf<PenRecord>(dc.state.pen);
    if (!pen)
        return BrushSource();
    return BrushSource::Solid(pen->followsDcColor ? dc.state.dcPenColor : pen->log.lopnColor);
}

void StrokeClosed(Painter& painter, const std::vector<POINT>& corners) {
    for (std::size_t i = 0; i < corners.size(); ++i)
        painter.stroke(corners[i], corners[(i + 1) % corners.size()]);
}

bool PenIsInsideFrame(DeviceContext& dc) {
    const auto pen = LiveGdiObjectOf<PenRecord>(dc.state.pen);
    return pen && (pen->log.lopnStyle & PS_STYLE_MASK) == PS_INSIDEFRAME;
}

// The outer edge of a shape's outline: the pen is centred on the shape's edge unless it
// is an inside-frame pen.
CRect OutlineBounds(Painter& painter, const CRect& shape) {
    const int width = painter.penWidth();
    CRect outer(shape);
    if (width > 1 && !PenIsInsideFrame(painter.dc()))
        outer.InflateRect(width / 2, width / 2, (width - 1) / 2, (width - 1) / 2);
    return outer;
}

Region Eroded(const Region& region, int dx, int dy) {
    Region result = region;
    for (const CPoint shift : {CPoint(dx, 0), CPoint(-dx, 0), CPoint(0, dy), CPoint(0, -dy)}) {
        Region moved = region;
        moved.offset(shift.x, shift.y);
        result = Region::Combine(result, moved, RegionOp::And);
    }
    return result;
}

template <typename Apply>
BOOL WithRegion(HDC hdc, HRGN region, Apply&& apply) {
    const auto record = LiveGdiObjectOf<RegionRecord>(region);
    if (!record)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        Region area = record->region;
        const CPoint shift = painter.toSurface(CPoint(0, 0));
        area.offset(shift.x, shift.y);
        apply(painter, area);
    });
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.current;
    dc->state.current = CPoint(x, y);
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position) {
    const auto dc = LiveDC(hdc);
    if (!dc || !position)
        return FALSE;
    *position = dc->state.current;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    const CPoint from = dc->state.current;
    WithPainter(hdc, [&](Painter& painter) {
        painter.stroke(painter.toSurface(from), painter.toSurface(CPoint(x, y)));
    });
    dc->state.current = CPoint(x, y);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        for (int i = 0; i + 1 < count; ++i)
            painter.stroke(painter.toSurface(points[i]), painter.toSurface(points[i + 1]));
    });
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count) {
    for (DWORD i = 0; points && i < count; ++i)
        if (!LineTo(hdc, points[i].x, points[i].y))
            return FALSE;
    return points ? TRUE : FALSE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        std::vector<POINT> corners;
        for (int i = 0; i < count; ++i)
            corners.push_back(painter.toSurface(points[i]));
        DeviceContext& dc = painter.dc();
        painter.fillRegion(PolygonRegion(corners.data(), count, dc.state.polyFillMode),
                           BrushSource::Of(dc, dc.state.brush), dc.state.rop2);
        StrokeClosed(painter, corners);
    });
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return WithPainter(hdc, [&](Painter& painter) {
        DeviceContext& dc = painter.dc();
        const CRect shape = painter.toSurface(NormalizedRect(left, top, right, bottom));
        const BrushSource brush = BrushSource::Of(dc, dc.state.brush);
        if (!painter.penVisible()) {
            // Without a pen the system fills one pixel less to the right and bottom.
            painter.fillRegion(
                Region(CRect(shape.left, shape.top, shape.right - 1, shape.bottom - 1)), brush,
                dc.state.rop2);
            return;
        }
        const int width = painter.penWidth();
        const CRect outer = OutlineBounds(painter, shape);
        CRect inner(outer);
        inner.DeflateRect(width, width);
        painter.fillRegion(Region(inner), brush, dc.state.rop2);
        const auto pen = LiveGdiObjectOf<PenRecord>(dc.state.pen);
        const int style = pen ? static_cast<int>(pen->log.lopnStyle & PS_STYLE_MASK) : PS_SOLID;
        if (width == 1 && style != PS_SOLID && style != PS_INSIDEFRAME) {
            StrokeClosed(painter, {shape.TopLeft(), CPoint(shape.right - 1, shape.top),
                                   CPoint(shape.right - 1, shape.bottom - 1),
                                   CPoint(shape.left, shape.bottom - 1)});
            return;
        }
        painter.fillRegion(FrameRegion(outer, width, width), PenColorSource(dc), dc.state.rop2);
    });
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return WithPainter(hdc, [&](Painter& painter) {
        DeviceContext& dc = painter.dc();
        const CRect shape = painter.toSurface(NormalizedRect(left, top, right, bottom));
        const BrushSource brush = BrushSource::Of(dc, dc.state.brush);
        if (!painter.penVisible()) {
            painter.fillRegion(EllipseRegion(shape), brush, dc.state.rop2);
            return;
        }
        const int width = painter.penWidth();
        const CRect outer = OutlineBounds(painter, shape);
        CRect innerBounds(outer);
        innerBounds.DeflateRect(width, width);
        const Region inner = EllipseRegion(innerBounds);
        painter.fillRegion(inner, brush, dc.state.rop2);
        painter.fillRegion(Region::Combine(EllipseRegion(outer), inner, RegionOp::Diff),
                           PenColorSource(dc), dc.state.rop2);
    });
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    if (!rect)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        painter.fillRegion(Region(painter.toSurface(*rect)), BrushFor(painter.dc(), brush));
    });
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    if (!rect)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        painter.fillRegion(FrameRegion(painter.toSurface(*rect), 1, 1),
                           BrushFor(painter.dc(), brush));
    });
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    if (!rect)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        painter.fillRegion(Region(painter.toSurface(*rect)), BrushSource::Solid(0), R2_NOT);
    });
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    if (!rect)
        return FALSE;
    return WithPainter(hdc, [&](Painter& painter) {
        // Every other pixel of the edge inverted, so a second call takes it away.
        const Region ring = FrameRegion(painter.toSurface(*rect), 1, 1);
        for (const Band& band : ring.bands())
            for (int y = band.top; y < band.bottom; ++y)
                for (const Span& span : band.spans)
                    for (int x = span.left; x < span.right; ++x)
                        if (((x + y) & 1) == 0)
                            painter.plot(x, y, 0xFFFFFF, R2_XORPEN);
    });
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    return WithPainter(hdc, [&](Painter& painter) {
        DeviceContext& dc = painter.dc();
        const CRect area = painter.toSurface(NormalizedRect(x, y, x + width, y + height));
        const BrushSource brush = BrushSource::Of(dc, dc.state.brush);
        const BYTE code = static_cast<BYTE>(rop >> 16);
        const Region visible = Region::Combine(Region(area), painter.clip(), RegionOp::And);
        for (const Band& band : visible.bands())
            for (int row = band.top; row < band.bottom; ++row)
                for (const Span& span : band.spans)
                    for (int column = span.left; column < span.right; ++column) {
                        Pixel pattern = 0;
                        brush.at(column, row, pattern);
                        Pixel& target = painter.surface().row(row)[column];
                        target = painter.stored(ApplyRop3(code, pattern, 0, target));
                    }
    });
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    return WithRegion(hdc, region, [&](Painter& painter, const Region& area) {
        painter.fillRegion(area, BrushFor(painter.dc(), brush));
    });
}

BOOL PaintRgn(HDC hdc, HRGN region) {
    return WithRegion(hdc, region, [&](Painter& painter, const Region& area) {
        painter.fillRegion(area, BrushSource::Of(painter.dc(), painter.dc().state.brush),
                           painter.dc().state.rop2);
    });
}

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
    return WithRegion(hdc, region, [&](Painter& painter, const Region& area) {
        const Region ring = Region::Combine(area, Eroded(area, width, height), RegionOp::Diff);
        painter.fillRegion(ring, BrushFor(painter.dc(), brush));
    });
}

BOOL InvertRgn(HDC hdc, HRGN region) {
    return WithRegion(hdc, region, [&](Painter& painter, const Region& area) {
        painter.fillRegion(area, BrushSource::Solid(0), R2_NOT);
    });
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    COLORREF result = CLR_INVALID;
    WithPainter(hdc, [&](Painter& painter) {
        const CPoint at = painter.toSurface(CPoint(x, y));
        if (!painter.clip().contains(at.x, at.y))
            return;
        painter.surface().setPixel(at.x, at.y, painter.stored(PixelFromColor(color)));
        result = ColorFromPixel(painter.surface().pixel(at.x, at.y));
    });
    return result;
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    COLORREF result = CLR_INVALID;
    if (const auto dc = LiveDC(hdc); dc && dc->beforeRead)
        dc->beforeRead();
    WithPainter(hdc, [&](Painter& painter) {
        const CPoint at = painter.toSurface(CPoint(x, y));
        if (painter.clip().contains(at.x, at.y))
            result = ColorFromPixel(painter.surface().pixel(at.x, at.y));
    });
    return result;
}
