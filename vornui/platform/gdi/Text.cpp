#include "vornui/platform/Text.h"

#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/internal/Raster.h"
#include "vornui/platform/internal/TextLayout.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

const FontInstance* SelectedFont(DeviceContext& dc) {
    auto font = LiveGdiObjectOf<FontRecord>(dc.state.font);
    if (!font)
        font = LiveGdiObjectOf<FontRecord>(GetStockObject(SYSTEM_FONT));
    return font ? font->resolved() : nullptr;
}

int TextLength(LPCSTR text, int count) {
    if (!text)
        return 0;
    return count < 0 ? static_cast<int>(std::strlen(text)) : count;
}

// Draws a run of glyphs with its pen starting at x on the baseline (surface coordinates);
// `advances`, when given, replaces the font's advances.
void DrawGlyphs(Painter& painter, const FontInstance& font, int x, int baseline,
                std::string_view text, Pixel color, int tabWidth, const INT* advances = nullptr) {
    const PixelSurface& surface = painter.surface();
    int pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        const GlyphImage& glyph = font.glyph(ch);
        const int left = x + pen + glyph.left;
        const int top = baseline - glyph.top;
        for (int row = 0; row < glyph.rows; ++row) {
            const int y = top + row;
            if (y < 0 || y >= surface.height())
                continue;
            painter.blendRow(y, left, glyph.coverage.data() + row * glyph.width, glyph.width,
                             color);
        }
        pen = advances ? pen + advances[i] : AdvancePast(font, pen, text[i], tabWidth);
    }
}

void DrawLine(Painter& painter, int left, int right, int y, int thickness, Pixel color) {
    for (int row = y; row < y + thickness; ++row)
        if (row >= 0 && row < painter.surface().height())
            painter.fillSpan(row, left, right, BrushSource::Solid(ColorFromPixel(color)));
}

// Underline and strike-out of a font that has them.
void DecorateRun(Painter& painter, const FontInstance& font, int left, int right, int baseline,
                 Pixel color) {
    if (font.underline())
        DrawLine(painter, left, right, baseline + font.underlineOffset(), font.lineThickness(),
                 color);
    if (font.strikeOut())
        DrawLine(painter, left, right, baseline + font.strikeOutOffset(), font.lineThickness(),
                 color);
}

int RunWidth(const FontInstance& font, std::string_view text, const INT* advances) {
    if (!advances)
        return font.textWidth(text.data(), static_cast<int>(text.size()));
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        width += advances[i];
    return width;
}

struct TextOrigin {
    int left;
    int top; // of the character cell
};

TextOrigin AlignedOrigin(UINT align, int x, int y, int width, const TEXTMETRIC& tm) {
    TextOrigin origin{x, y};
    if ((align & TA_CENTER) == TA_CENTER)
        origin.left = x - width / 2;
    else if (align & TA_RIGHT)
        origin.left = x - width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        origin.top = y - tm.tmAscent;
    else if (align & TA_BOTTOM)
        origin.top = y - tm.tmHeight;
    return origin;
}

BOOL OutputText(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, int count,
                const INT* advances) {
    const auto dc = LiveDC(hdc);
    if (!dc || count < 0 || (count > 0 && !text))
        return FALSE;
    const FontInstance* font = SelectedFont(*dc);
    if (!font)
        return FALSE;
    const std::string_view run(text ? text : "", static_cast<std::size_t>(count));
    const TEXTMETRIC& tm = font->metrics();
    const int width = RunWidth(*font, run, advances);
    const UINT align = dc->state.textAlign;
    if (align & TA_UPDATECP)
        x = dc->state.current.x, y = dc->state.current.y;
    const TextOrigin origin = AlignedOrigin(align, x, y, width, tm);
    if (align & TA_UPDATECP)
        dc->state.current.x = (align & TA_CENTER) == TA_CENTER ? x
                              : (align & TA_RIGHT)             ? x - width
                                                               : x + width;
    Painter painter(*dc);
    if (!painter)
        return TRUE;
    CRect box = rect ? CRect(rect) : CRect();
    box.NormalizeRect();
    if (rect && (options & ETO_OPAQUE))
        painter.fillRegion(Region(painter.toSurface(box)), BrushSource::Solid(dc->state.bkColor));
    if (rect && (options & ETO_CLIPPED))
        painter.restrictTo(painter.toSurface(box));
    const CPoint at = painter.toSurface(CPoint(origin.left, origin.top));
    if (dc->state.bkMode == OPAQUE)
        painter.fillRegion(Region(CRect(at.x, at.y, at.x + width, at.y + tm.tmHeight)),
                           BrushSource::Solid(dc->state.bkColor));
    const Pixel color = PixelFromColor(dc->state.textColor);
    DrawGlyphs(painter, *font, at.x, at.y + tm.tmAscent, run, color, 0, advances);
    DecorateRun(painter, *font, at.x, at.x + width, at.y + tm.tmAscent, color);
    return TRUE;
}

} // namespace

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int count) {
    return OutputText(hdc, x, y, 0, nullptr, text, count, nullptr);
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                const INT* dx) {
    return OutputText(hdc, x, y, options, rect, text, static_cast<int>(count), dx);
}

int DrawText(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
    const auto dc = LiveDC(hdc);
    if (!dc || !text || !rect)
        return 0;
    const FontInstance* font = SelectedFont(*dc);
    if (!font)
        return 0;
    const int length = TextLength(text, count);
    const int tabWidth = TabStopWidth(format, *font);
    if (format & DT_TABSTOP)
        format &= ~0xFF00u; // that byte held the tab size
    const CRect bounds(rect);
    const TextLayout layout = LayOutText(std::string_view(text, static_cast<std::size_t>(length)),
                                         format, bounds.Width(), *font, tabWidth);
    const int lineHeight = layout.lineHeight;
    const int total = lineHeight * static_cast<int>(layout.lines.size());
    if ((format & DT_MODIFYSTRING) && layout.ellipsized && !layout.lines.empty()) {
        const std::string& shown = layout.lines.front().text;
        std::memcpy(const_cast<char*>(text), shown.c_str(), shown.size() + 1);
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + layout.widest;
        rect->bottom = rect->top + total;
        return total;
    }

    int top = bounds.top;
    const bool singleLine = format & DT_SINGLELINE;
    if (singleLine && (format & DT_VCENTER))
        top = bounds.top + (bounds.Height() - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = bounds.bottom - lineHeight;
    const int result =
        singleLine && (format & (DT_VCENTER | DT_BOTTOM)) ? top + lineHeight - bounds.top : total;

    Painter painter(*dc);
    if (!painter)
        return result;
    if (!(format & DT_NOCLIP))
        painter.restrictTo(painter.toSurface(bounds));
    const TEXTMETRIC& tm = font->metrics();
    const Pixel color = PixelFromColor(dc->state.textColor);
    const bool opaque = dc->state.bkMode == OPAQUE;
    for (const TextLine& line : layout.lines) {
        if ((format & DT_EDITCONTROL) && top != bounds.top && top + lineHeight > bounds.bottom)
            break; // an edit control shows no partly visible last line
        int left = bounds.left;
        if (format & DT_CENTER)
            left = bounds.left + (bounds.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            left = bounds.right - line.width;
        const CPoint at = painter.toSurface(CPoint(left, top));
        const int baseline = at.y + tm.tmAscent;
        if (opaque)
            painter.fillRegion(Region(CRect(at.x, at.y, at.x + line.width, at.y + lineHeight)),
                               BrushSource::Solid(dc->state.bkColor));
        if (!(format & DT_PREFIXONLY)) {
            DrawGlyphs(painter, *font, at.x, baseline, line.text, color, tabWidth);
            DecorateRun(painter, *font, at.x, at.x + line.width, baseline, color);
        }
        if (line.underline >= 0) {
            const std::string_view head(line.text.data(), static_cast<std::size_t>(line.underline));
            const int markLeft = at.x + LineWidth(*font, head, tabWidth);
            const int markWidth =
                font->advance(static_cast<unsigned char>(line.text[line.underline]));
            DrawLine(painter, markLeft, markLeft + markWidth, baseline + font->underlineOffset(),
                     font->lineThickness(), color);
        }
        top += lineHeight;
    }
    return result;
}

LONG TabbedTextOut(HDC hdc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops,
                   int tabOrigin) {
    TEXTMETRIC metrics{};
    if (!text || !GetTextMetrics(hdc, &metrics))
        return 0;
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    int every = 8 * metrics.tmAveCharWidth;
    if (!tabStops)
        tabCount = 0;
    if (tabCount == 1) {
        every = tabStops[0];
        tabCount = 0;
    }
    const std::string_view line(text, static_cast<size_t>(count));
    int pen = x;
    for (size_t start = 0; start <= line.size();) {
        const size_t tab = std::min(line.find('\t', start), line.size());
        const std::string_view piece = line.substr(start, tab - start);
        SIZE extent{};
        GetTextExtentPoint32(hdc, piece.data(), static_cast<int>(piece.size()), &extent);
        TextOut(hdc, pen, y, piece.data(), static_cast<int>(piece.size()));
        pen += extent.cx;
        if (tab == line.size())
            break;
        while (tabCount > 0 && tabOrigin + *tabStops <= pen) {
            ++tabStops;
            --tabCount;
        }
        if (tabCount > 0)
            pen = tabOrigin + *tabStops;
        else if (every > 0)
            pen = tabOrigin + ((pen - tabOrigin) / every + 1) * every;
        start = tab + 1;
    }
    return MAKELONG(pen - x, metrics.tmHeight);
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return GetTextExtentExPoint(hdc, text, count, 0, nullptr, nullptr, size);
}

BOOL GetTextExtentPoint(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return GetTextExtentPoint32(hdc, text, count, size);
}

BOOL GetTextExtentExPoint(HDC hdc, LPCSTR text, int count, int maxExtent, LPINT fit,
                          LPINT partialExtents, LPSIZE size) {
    const auto dc = LiveDC(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    const FontInstance* font = SelectedFont(*dc);
    if (!font)
        return FALSE;
    int width = 0;
    int fitting = 0;
    for (int i = 0; i < count; ++i) {
        width += font->advance(static_cast<unsigned char>(text[i]));
        if (partialExtents)
            partialExtents[i] = width;
        if (width <= maxExtent)
            fitting = i + 1;
    }
    if (fit)
        *fit = fitting;
    size->cx = width;
    size->cy = font->metrics().tmHeight;
    return TRUE;
}

BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC metrics) {
    const auto dc = LiveDC(hdc);
    const FontInstance* font = dc ? SelectedFont(*dc) : nullptr;
    if (!font || !metrics)
        return FALSE;
    *metrics = font->metrics();
    return TRUE;
}

int GetTextFace(HDC hdc, int count, LPSTR faceName) {
    const auto dc = LiveDC(hdc);
    const FontInstance* font = dc ? SelectedFont(*dc) : nullptr;
    if (!font)
        return 0;
    const std::string& name = font->faceName();
    if (!faceName)
        return static_cast<int>(name.size()) + 1;
    if (count <= 0)
        return 0;
    const int copied = std::min<int>(count - 1, static_cast<int>(name.size()));
    std::memcpy(faceName, name.data(), static_cast<std::size_t>(copied));
    faceName[copied] = '\0';
    return copied;
}

BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, LPINT widths) {
    const auto dc = LiveDC(hdc);
    const FontInstance* font = dc ? SelectedFont(*dc) : nullptr;
    if (!font || !widths || first > last || last > 0xFF)
        return FALSE;
    for (UINT ch = first; ch <= last; ++ch)
        widths[ch - first] = font->advance(static_cast<unsigned char>(ch));
    return TRUE;
}
