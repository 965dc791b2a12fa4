#include "vornui/platform/internal/Raster.h"

#include "vornui/platform/SystemSettings.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Solid fills are most of what windows paint: a span starts from a short run of the colour
// and copies what it has over the rest, twice as much each time, in the widest stores the
// machine has.
void FillPixels(Pixel* first, Pixel* last, Pixel value) {
    constexpr size_t kSeed = 16;
    if (last <= first)
        return;
    const auto count = static_cast<size_t>(last - first);
    std::fill(first, first + std::min(count, kSeed), value);
    for (size_t done = kSeed; done < count; done *= 2)
        std::memcpy(first + done, first, std::min(done, count - done) * sizeof(Pixel));
}

bool HatchBit(int hatch, int x, int y) {
    const int px = x & 7;
    const int py = y & 7;
    const bool horizontal = py == 7;
    const bool vertical = px == 7;
    const bool forward = px == py;
    const bool backward = ((px + py) & 7) == 7;
    switch (hatch) {
    case HS_HORIZONTAL:
        return horizontal;
    case HS_VERTICAL:
        return vertical;
    case HS_FDIAGONAL:
        return forward;
    case HS_BDIAGONAL:
        return backward;
    case HS_CROSS:
        return horizontal || vertical;
    default:
        return forward || backward;
    }
}

int Wrap(int value, int size) {
    const int rest = value % size;
    return rest < 0 ? rest + size : rest;
}

// Dash patterns of cosmetic pens, in pixels: on, off, on, off...
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> kDash{18, 6};
    static const std::vector<int> kDot{3, 3};
    static const std::vector<int> kDashDot{9, 6, 3, 6};
    static const std::vector<int> kDashDotDot{9, 3, 3, 3, 3, 3};
    static const std::vector<int> kSolid{1};
    switch (style) {
    case PS_DASH:
        return kDash;
    case PS_DOT:
        return kDot;
    case PS_DASHDOT:
        return kDashDot;
    case PS_DASHDOTDOT:
        return kDashDotDot;
    default:
        return kSolid;
    }
}

} // namespace

BrushSource BrushSource::Of(DeviceContext& dc, HBRUSH brush) {
    BrushSource source;
    const auto record = LiveGdiObjectOf<BrushRecord>(brush);
    if (!record)
        return source;
    source.m_origin = dc.state.brushOrg;
    source.m_color = PixelFromColor(record->followsDcColor     ? dc.state.dcBrushColor
                                    : record->systemColor >= 0 ? GetSysColor(record->systemColor)
                                                               : record->log.lbColor);
    source.m_background = PixelFromColor(dc.state.bkColor);
    source.m_opaque = dc.state.bkMode == OPAQUE;
    switch (record->log.lbStyle) {
    case BS_SOLID:
        source.m_kind = Kind::Solid;
        break;
    case BS_HATCHED:
        source.m_kind = Kind::Hatch;
        source.m_hatch = static_cast<int>(record->log.lbHatch);
        break;
    case BS_PATTERN:
        source.m_kind =
            record->pattern && record->pattern->width() > 0 ? Kind::Pattern : Kind::None;
        source.m_pattern = record->pattern;
        break;
    default:
        break;
    }
    return source;
}

BrushSource BrushSource::Solid(COLORREF color) {
    BrushSource source;
    source.m_kind = Kind::Solid;
    source.m_color = PixelFromColor(color);
    return source;
}

bool BrushSource::at(int x, int y, Pixel& out) const {
    switch (m_kind) {
    case Kind::Solid:
        out = m_color;
        return true;
    case Kind::Hatch:
        if (HatchBit(m_hatch, x - m_origin.x, y - m_origin.y)) {
            out = m_color;
            return true;
        }
        out = m_background;
        return m_opaque;
    case Kind::Pattern:
        out = m_pattern->pixel(Wrap(x - m_origin.x, m_pattern->width()),
                               Wrap(y - m_origin.y, m_pattern->height()));
        return true;
    default:
        return false;
    }
}

Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination) {
    if (rop2 == R2_COPYPEN)
        return pen;
    // The code minus one is the truth table over (pen, destination) bit pairs.
    const int table = rop2 - 1;
    Pixel result = 0;
    for (int p = 0; p < 2; ++p)
        for (int d = 0; d < 2; ++d)
            if (table & (1 << (p * 2 + d)))
                result |= (p ? pen : ~pen) & (d ? destination : ~destination);
    return result & 0xFFFFFF;
}

Pixel ApplyRop3(BYTE rop, Pixel pattern, Pixel source, Pixel destination) {
    switch (rop) {
    case 0xCC:
        return source;
    case 0xF0:
        return pattern;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    Pixel result = 0;
    for (int index = 0; index < 8; ++index) {
        if (!(rop & (1 << index)))
            continue;
        const Pixel p = (index & 4) ? pattern : ~pattern;
        const Pixel s = (index & 2) ? source : ~source;
        const Pixel d = (index & 1) ? destination : ~destination;
        result |= p & s & d;
    }
    return result & 0xFFFFFF;
}

Painter::Painter(DeviceContext& dc)
    : m_dc(dc), m_surface(dc.surface()),
      m_hold(m_surface ? m_surface->holdForDrawing() : std::unique_lock<std::recursive_mutex>()),
      m_clip(&dc.clipOnSurface()), m_shift(dc.logicalToSurface()), m_monochrome(dc.monochrome()) {
    if (const auto pen = LiveGdiObjectOf<PenRecord>(dc.state.pen)) {
        m_penStyle = static_cast<int>(pen->log.lopnStyle & PS_STYLE_MASK);
        m_penWidth = std::max<int>(pen->log.lopnWidth.x, 1);
        m_penColor = PixelFromColor(pen->followsDcColor ? dc.state.dcPenColor : pen->log.lopnColor);
    }
    if (m_penWidth > 1 && m_penStyle != PS_NULL && m_penStyle != PS_INSIDEFRAME)
        m_penStyle = PS_SOLID; // wide pens are always solid, as the system draws them
}

CPoint Painter::toSurface(POINT logical) const {
    return CPoint(logical.x + m_shift.x, logical.y + m_shift.y);
}

CRect Painter::toSurface(const RECT& logical) const {
    CRect rect(logical);
    rect.OffsetRect(m_shift);
    return rect;
}

Pixel Painter::stored(Pixel pixel) const {
    if (!m_monochrome)
        return pixel & 0xFFFFFF;
    const int luminance =
        (((pixel >> 16) & 0xFF) * 30 + ((pixel >> 8) & 0xFF) * 59 + (pixel & 0xFF) * 11) / 100;
    return luminance >= 128 ? 0xFFFFFF : 0;
}

void Painter::fillSpan(int y, int x0, int x1, const BrushSource& brush, int rop2) {
    if (brush.empty())
        return;
    Pixel* row = m_surface->row(y);
    m_clip->forEachSpan(y, x0, x1, [&](int left, int right) {
        if (brush.solid() && rop2 == R2_COPYPEN) {
            FillPixels(row + left, row + right, stored(brush.solidColor()));
            return;
        }
        Pixel color = 0;
        for (int x = left; x < right; ++x)
            if (brush.at(x, y, color))
                row[x] = stored(ApplyRop2(rop2, color, row[x]));
    });
}

void Painter::fillRegion(const Region& area, const BrushSource& brush, int rop2) {
    const Region visible = Region::Combine(area, *m_clip, RegionOp::And);
    // The spans lie inside the clipping already: a solid copy goes straight to the pixels.
    const bool plain = !brush.empty() && brush.solid() && rop2 == R2_COPYPEN;
    const Pixel color = plain ? stored(brush.solidColor()) : 0;
    for (const Band& band : visible.bands())
        for (int y = band.top; y < band.bottom; ++y)
            for (const Span& span : band.spans) {
                if (plain)
                    FillPixels(m_surface->row(y) + span.left, m_surface->row(y) + span.right,
                               color);
                else
                    fillSpan(y, span.left, span.right, brush, rop2);
            }
}

void Painter::plot(int x, int y, Pixel color, int rop2) {
    if (!m_clip->contains(x, y))
        return;
    Pixel& target = m_surface->row(y)[x];
    target = stored(ApplyRop2(rop2, color, target));
}

void Painter::restrictTo(const RECT& area) {
    m_narrowedClip = Region::Combine(*m_clip, Region(area), RegionOp::And);
    m_clip = &m_narrowedClip;
}

void Painter::blendRow(int y, int x, const std::uint8_t* coverage, int width, Pixel color) {
    Pixel* row = m_surface->row(y);
    const Pixel solid = stored(color);
    m_clip->forEachSpan(y, x, x + width, [&](int left, int right) {
        for (int at = left; at < right; ++at) {
            const int alpha = coverage[at - x];
            if (alpha == 0)
                continue;
            Pixel& target = row[at];
            if (alpha == 255 || m_monochrome) {
                target = alpha >= 128 ? solid : target;
                continue;
            }
            auto channel = [&](int shift) {
                const int fg = (color >> shift) & 0xFF;
                const int bg = (target >> shift) & 0xFF;
                return static_cast<Pixel>(bg + ((fg - bg) * alpha + 127) / 255) << shift;
            };
            target = channel(16) | channel(8) | channel(0);
        }
    });
}

bool Painter::penOn() {
    const std::vector<int>& pattern = DashPattern(m_penStyle);
    int period = 0;
    for (int length : pattern)
        period += length;
    int position = m_styleStep++ % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (position < pattern[i])
            return i % 2 == 0;
        position -= pattern[i];
    }
    return true;
}

void Painter::stroke(CPoint from, CPoint to) {
    constexpr int kFar = 1 << 20; // strokes beyond any surface are not walked
    if (m_penStyle == PS_NULL || std::abs(from.x) > kFar || std::abs(from.y) > kFar ||
        std::abs(to.x) > kFar || std::abs(to.y) > kFar)
        return;
    const int rop2 = m_dc.state.rop2;
    const Pixel background = PixelFromColor(m_dc.state.bkColor);
    const bool opaqueGaps = m_dc.state.bkMode == OPAQUE;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    CPoint at = from;
    while (at.x != to.x || at.y != to.y) {
        const bool on = penOn();
        if (m_penWidth == 1) {
            if (on || opaqueGaps)
                plot(at.x, at.y, on ? m_penColor : background, rop2);
        } else {
            const int half = m_penWidth / 2;
            for (int y = at.y - half; y < at.y - half + m_penWidth; ++y)
                for (int x = at.x - half; x < at.x - half + m_penWidth; ++x)
                    plot(x, y, m_penColor, rop2);
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.y += sy;
        }
    }
}
