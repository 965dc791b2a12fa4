#pragma once

// Painting on a device context's surface: spans, regions, lines and pixels in surface
// coordinates, within the DC's clip, with brushes, pens and binary raster operations.
// Every drawing call builds one Painter and describes its shape to it.

#include "vornui/platform/internal/GdiRecords.h"

// The colour a brush lays on each pixel (patterns repeat from the brush origin).
class BrushSource {
public:
    static BrushSource Of(DeviceContext& dc, HBRUSH brush);
    static BrushSource Solid(COLORREF color);
    bool empty() const { return m_kind == Kind::None; }
    bool solid() const { return m_kind == Kind::Solid; }
    Pixel solidColor() const { return m_color; }
    // False where the brush leaves the pixel alone (the gaps of a transparent hatch).
    bool at(int x, int y, Pixel& out) const;

private:
    enum class Kind { None, Solid, Hatch, Pattern };
    Kind m_kind = Kind::None;
    Pixel m_color = 0;
    Pixel m_background = 0;
    bool m_opaque = false;
    int m_hatch = 0;
    std::shared_ptr<const PixelSurface> m_pattern;
    CPoint m_origin;
};

Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination);
// Ternary raster operation (the index byte of a ROP code) on pattern, source, destination.
Pixel ApplyRop3(BYTE rop, Pixel pattern, Pixel source, Pixel destination);

class Painter {
public:
    explicit Painter(DeviceContext& dc);
    // False when the DC has nothing to paint into (a screen DC, a dead bitmap).
    explicit operator bool() const { return m_surface != nullptr; }

    DeviceContext& dc() { return m_dc; }
    PixelSurface& surface() { return *m_surface; }
    const Region& clip() const { return *m_clip; }
    CPoint toSurface(POINT logical) const;
    CRect toSurface(const RECT& logical) const;
    bool monochrome() const { return m_monochrome; }
    // The pixel stored for a colour (black or white on a monochrome bitmap).
    Pixel stored(Pixel pixel) const;

    void fillSpan(int y, int x0, int x1, const BrushSource& brush, int rop2 = R2_COPYPEN);
    void fillRegion(const Region& area, const BrushSource& brush, int rop2 = R2_COPYPEN);
    void plot(int x, int y, Pixel color, int rop2);
    // Narrows the clip for this painter only (surface coordinates).
    void restrictTo(const RECT& area);
    // Blends one row of coverage values (0 to 255) in `color`, starting at x (text).
    void blendRow(int y, int x, const std::uint8_t* coverage, int width, Pixel color);

    // Pen strokes: one-pixel or square-nibbed lines from a to b without the end point,
    // styled pens continuing their pattern from stroke to stroke.
    void stroke(CPoint from, CPoint to);
    bool penVisible() const { return m_penStyle != PS_NULL; }
    int penWidth() const { return m_penWidth; }

private:
    bool penOn();

    DeviceContext& m_dc;
    PixelSurface* m_surface;
    std::unique_lock<std::recursive_mutex> m_hold;
    const Region* m_clip;
    Region m_narrowedClip;
    CPoint m_shift;
    bool m_monochrome;
    int m_penStyle = PS_SOLID;
    int m_penWidth = 1;
    Pixel m_penColor = 0;
    int m_styleStep = 0;
};
