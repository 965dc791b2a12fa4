#pragma once

// Fonts as the device context sees them: a logical font resolved to one of the DejaVu
// faces at a pixel size, with all 256 code page 1252 characters rendered once into
// coverage masks, so measuring and drawing text is table look-ups.

#include "vornui/platform/GdiTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct GlyphImage {
    int advance = 0; // pen movement in whole pixels
    int left = 0;    // from the pen position to the first column
    int top = 0;     // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage; // rows × width, 0 transparent to 255 solid
};

class FontInstance {
public:
    const GlyphImage& glyph(unsigned char ch) const { return m_glyphs[ch]; }
    int advance(unsigned char ch) const { return m_glyphs[ch].advance; }
    const TEXTMETRIC& metrics() const { return m_metrics; }
    // Underline and strike-out lines, in pixels below (positive) the baseline.
    int underlineOffset() const { return m_underlineOffset; }
    int strikeOutOffset() const { return m_strikeOutOffset; }
    int lineThickness() const { return m_lineThickness; }
    bool underline() const { return m_underline; }
    bool strikeOut() const { return m_strikeOut; }
    const std::string& faceName() const { return m_faceName; }

    // Width of a run of text; no kerning, as the system's text output has none.
    int textWidth(const char* text, int count) const;

private:
    friend std::shared_ptr<const FontInstance> FontInstanceFor(const LOGFONT& font);
    FontInstance() = default;

    std::array<GlyphImage, 256> m_glyphs;
    TEXTMETRIC m_metrics{};
    int m_underlineOffset = 1;
    int m_strikeOutOffset = -3;
    int m_lineThickness = 1;
    bool m_underline = false;
    bool m_strikeOut = false;
    std::string m_faceName;
};

// The shared, rendered instance for a logical font (cached per process); null when no
// font file could be loaded.
std::shared_ptr<const FontInstance> FontInstanceFor(const LOGFONT& font);
