#include "vornui/platform/Blits.h"

#include "vornui/platform/Drawing.h"
#include "vornui/platform/internal/DibRows.h"
#include "vornui/platform/internal/Raster.h"

#include <cstdlib>
#include <optional>

namespace {

bool UsesSource(DWORD rop) {
    const BYTE code = static_cast<BYTE>(rop >> 16);
    return ((code >> 2) & 0x33) != (code & 0x33);
}

struct BlitSource {
    const PixelSurface& surface;
    CRect rect; // surface coordinates; a negative width or height mirrors
    bool monochrome;
    COLORREF bkColor;
};

// Pixels of a source in the colours of the destination: monochrome sources take the
// destination's text colour for black and background colour for white; a monochrome
// destination gets white where the source has the source DC's background colour.
class ColorTranslation {
public:
    ColorTranslation(const BlitSource& source, const Painter& target, const DeviceContext& dc)
        : m_fromMono(source.monochrome && !target.monochrome()),
          m_toMono(!source.monochrome && target.monochrome()),
          m_sourceBackground(PixelFromColor(source.bkColor)),
          m_foreground(PixelFromColor(dc.state.textColor)),
          m_background(PixelFromColor(dc.state.bkColor)) {}
    Pixel operator()(Pixel pixel) const {
        if (m_fromMono)
            return (pixel & 0xFFFFFF) ? m_background : m_foreground;
        if (m_toMono)
            return (pixel & 0xFFFFFF) == m_sourceBackground ? 0xFFFFFF : 0;
        return pixel & 0xFFFFFF;
    }

private:
    bool m_fromMono;
    bool m_toMono;
    Pixel m_sourceBackground;
    Pixel m_foreground;
    Pixel m_background;
};

// A rectangle given with a negative width (or height) reaches back from its start pixel
// (included): x = 9 with width -10 covers pixels 0 to 9.
CRect Ordered(CRect rect) {
    if (rect.right < rect.left)
        rect.SetRect(rect.right + 1, rect.top, rect.left + 1, rect.bottom);
    if (rect.bottom < rect.top)
        rect.SetRect(rect.left, rect.bottom + 1, rect.right, rect.top + 1);
    return rect;
}

// Which source column (or row) feeds destination column i of `count`.
int SourceIndex(int i, int count, int sourceCount, bool mirror) {
    int j = static_cast<int>(static_cast<long long>(i) * sourceCount / count);
    return mirror ? sourceCount - 1 - j : j;
}

BOOL Transfer(HDC destination, CRect target, const BlitSource& source, DWORD rop,
              std::optional<Pixel> transparent) {
    const auto dc = LiveDC(destination);
    if (!dc)
        return FALSE;
    Painter painter(*dc);
    if (!painter)
        return TRUE;
    CRect dest = painter.toSurface(target);
    const bool mirrorX = (dest.Width() < 0) != (source.rect.Width() < 0);
    const bool mirrorY = (dest.Height() < 0) != (source.rect.Height() < 0);
    dest = Ordered(dest);
    const CRect from = Ordered(source.rect);
    if (dest.IsRectEmpty() || from.IsRectEmpty())
        return TRUE;
    // Copy the source first: it may be the destination itself.
    PixelSurface copy(from.Width(), from.Height());
    std::vector<bool> inside(static_cast<std::size_t>(from.Width()) * from.Height());
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x)
            if (source.surface.contains(from.left + x, from.top + y)) {
                copy.setPixel(x, y, source.surface.pixel(from.left + x, from.top + y));
                inside[static_cast<std::size_t>(y) * from.Width() + x] = true;
            }
    const ColorTranslation translate(source, painter, *dc);
    const BrushSource brush = BrushSource::Of(*dc, dc->state.brush);
    const BYTE code = static_cast<BYTE>(rop >> 16);
    const Region visible = Region::Combine(Region(dest), painter.clip(), RegionOp::And);
    for (const Band& band : visible.bands())
        for (int y = band.top; y < band.bottom; ++y) {
            const int sy = SourceIndex(y - dest.top, dest.Height(), from.Height(), mirrorY);
            Pixel* row = painter.surface().row(y);
            for (const Span& span : band.spans)
                for (int x = span.left; x < span.right; ++x) {
                    const int sx = SourceIndex(x - dest.left, dest.Width(), from.Width(), mirrorX);
                    if (!inside[static_cast<std::size_t>(sy) * from.Width() + sx])
                        continue;
                    const Pixel raw = copy.pixel(sx, sy) & 0xFFFFFF;
                    if (transparent && raw == *transparent)
                        continue;
                    const Pixel pixel = translate(raw);
                    Pixel pattern = 0;
                    if (code != 0xCC)
                        brush.at(x, y, pattern);
                    row[x] = painter.stored(ApplyRop3(code, pattern, pixel, row[x]));
                }
        }
    return TRUE;
}

BOOL TransferFromDC(HDC destination, const CRect& target, HDC sourceDC, const CRect& sourceRect,
                    DWORD rop, std::optional<Pixel> transparent) {
    const auto source = LiveDC(sourceDC);
    if (!source)
        return FALSE;
    if (source->beforeRead)
        source->beforeRead();
    const PixelSurface* surface = source->surface();
    if (!surface)
        return LiveDC(destination) ? TRUE : FALSE;
    CRect rect(sourceRect);
    rect.OffsetRect(source->logicalToSurface());
    return Transfer(destination, target,
                    {*surface, rect, source->monochrome(), source->state.bkColor}, rop,
                    transparent);
}

} // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    return StretchBlt(destination, x, y, width, height, source, sourceX, sourceY, width, height,
                      rop);
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    if (!UsesSource(rop))
        return PatBlt(destination, x, y, width, height, rop);
    return TransferFromDC(destination, CRect(x, y, x + width, y + height), source,
                          CRect(sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight),
                          rop, std::nullopt);
}

BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0)
        return FALSE;
    return TransferFromDC(destination, CRect(x, y, x + width, y + height), source,
                          CRect(sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight),
                          SRCCOPY, PixelFromColor(transparent));
}

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop) {
    if (!LiveDC(hdc) || !bits || !info || usage != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (!IsValidDibHeader(header))
        return 0;
    PixelSurface block(header.biWidth, std::abs(header.biHeight));
    const std::size_t stride = DibStride(header.biWidth, header.biBitCount);
    const std::size_t colors = DibColorTableSize(header);
    const bool bottomUp = header.biHeight > 0;
    for (int line = 0; line < block.height(); ++line) {
        const int y0 = bottomUp ? block.height() - 1 - line : line;
        DecodeDibRow(static_cast<const BYTE*>(bits) + line * stride, header.biWidth,
                     header.biBitCount, info->bmiColors, colors, block.row(y0));
    }
    // The source rectangle of a bottom-up block is measured from its bottom row.
    const int top = bottomUp ? block.height() - (sourceY + sourceHeight) : sourceY;
    const CRect from(sourceX, top, sourceX + sourceWidth, top + sourceHeight);
    if (!Transfer(hdc, CRect(x, y, x + width, y + height), {block, from, false, 0}, rop,
                  std::nullopt))
        return 0;
    return sourceHeight;
}
