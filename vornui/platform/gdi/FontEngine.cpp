#include "vornui/platform/internal/FontEngine.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/CodePage.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

namespace {

enum class Family { Sans, Mono, Serif };

struct FaceKey {
    Family family;
    bool bold;
    bool italic;
    int pixelHeight; // the logical height as given: negative em size, positive cell height
    bool antialiased;
    bool underline;
    bool strikeOut;
    auto tie() const {
        return std::tie(family, bold, italic, pixelHeight, antialiased, underline, strikeOut);
    }
    bool operator<(const FaceKey& other) const { return tie() < other.tie(); }
};

Family FamilyOf(const LOGFONT& font) {
    std::string face(font.lfFaceName);
    for (char& ch : face)
        ch = ToLower1252(ch);
    auto contains = [&face](const char* word) { return face.find(word) != std::string::npos; };
    for (const char* word : {"mono", "courier", "consol", "fixed", "terminal", "lucida console"})
        if (contains(word))
            return Family::Mono;
    for (const char* word : {"times", "serif", "georgia", "roman", "garamond"})
        if (contains(word) && !contains("sans"))
            return Family::Serif;
    if (face.empty()) {
        if ((font.lfPitchAndFamily & 0x03) == FIXED_PITCH ||
            (font.lfPitchAndFamily & 0xF0) == FF_MODERN)
            return Family::Mono;
        if ((font.lfPitchAndFamily & 0xF0) == FF_ROMAN)
            return Family::Serif;
    }
    return Family::Sans;
}

// Where the DejaVu faces are looked for.
std::string FontDirectory() {
    const char* configured = std::getenv("VORNUI_FONT_DIR");
    return configured && *configured ? configured : "/usr/share/fonts/truetype/dejavu";
}

std::string FontFile(Family family, bool bold) {
    const char* base = family == Family::Mono    ? "DejaVuSansMono"
                       : family == Family::Serif ? "DejaVuSerif"
                                                 : "DejaVuSans";
    return FontDirectory() + "/" + base + (bold ? "-Bold" : "") + ".ttf";
}

const char* FaceNameOf(Family family) {
    return family == Family::Mono    ? "DejaVu Sans Mono"
           : family == Family::Serif ? "DejaVu Serif"
                                     : "DejaVu Sans";
}

class FreeTypeLibrary {
public:
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
    }
    ~FreeTypeLibrary() {
        if (m_library)
            FT_Done_FreeType(m_library);
    }
    FT_Library get() const { return m_library; }

private:
    FT_Library m_library = nullptr;
};

struct FaceHandle {
    FT_Face face = nullptr;
    ~FaceHandle() {
        if (face)
            FT_Done_Face(face);
    }
};

int Scaled(long fontUnits, int ppem, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(fontUnits) * ppem / unitsPerEm));
}

// The em size in pixels: a negative logical height is the em size, a positive one the
// cell height (ascent plus descent), zero the system's default cell of 16 pixels.
int EmPixels(FT_Face face, int logicalHeight, const TT_OS2* os2) {
    if (logicalHeight < 0)
        return std::max(-logicalHeight, 1);
    const int cell = logicalHeight == 0 ? 16 : logicalHeight;
    const long cellUnits =
        os2 ? os2->usWinAscent + os2->usWinDescent : face->ascender - face->descender;
    return std::max(Scaled(cell, face->units_per_EM, static_cast<int>(cellUnits)), 1);
}

GlyphImage RenderGlyph(FT_Face face, unsigned char ch, bool italic, bool antialiased) {
    GlyphImage image;
    const FT_UInt index = FT_Get_Char_Index(face, CodePointFrom1252(ch));
    const FT_Int32 target = antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | target) != 0)
        return image;
    FT_GlyphSlot slot = face->glyph;
    image.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (italic)
        FT_GlyphSlot_Oblique(slot);
    if (FT_Render_Glyph(slot, antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return image;
    const FT_Bitmap& bitmap = slot->bitmap;
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
    image.width = static_cast<int>(bitmap.width);
    image.rows = static_cast<int>(bitmap.rows);
    image.coverage.resize(static_cast<std::size_t>(image.width) * image.rows);
    for (int y = 0; y < image.rows; ++y) {
        const unsigned char* source = bitmap.buffer + y * bitmap.pitch;
        std::uint8_t* target = image.coverage.data() + y * image.width;
        for (int x = 0; x < image.width; ++x)
            target[x] = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                            ? ((source[x >> 3] >> (7 - (x & 7))) & 1) * 255
                            : source[x];
    }
    return image;
}

} // namespace

int FontInstance::textWidth(const char* text, int count) const {
    int width = 0;
    for (int i = 0; i < count; ++i)
        width += m_glyphs[static_cast<unsigned char>(text[i])].advance;
    return width;
}

std::shared_ptr<const FontInstance> FontInstanceFor(const LOGFONT& font) {
    const FaceKey key{FamilyOf(font),
                      font.lfWeight >= FW_SEMIBOLD,
                      font.lfItalic != 0,
                      font.lfHeight,
                      font.lfQuality != NONANTIALIASED_QUALITY,
                      font.lfUnderline != 0,
                      font.lfStrikeOut != 0};
    static std::mutex mutex;
    static std::map<FaceKey, std::shared_ptr<const FontInstance>> cache;
    static FreeTypeLibrary library;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    if (!library.get())
        return nullptr;

    FaceHandle handle;
    if (FT_New_Face(library.get(), FontFile(key.family, key.bold).c_str(), 0, &handle.face) != 0)
        return nullptr;
    FT_Face face = handle.face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const int ppem = EmPixels(face, font.lfHeight, os2);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0)
        return nullptr;

    std::shared_ptr<FontInstance> instance(new FontInstance);
    for (int ch = 0; ch < 256; ++ch)
        instance->m_glyphs[ch] =
            RenderGlyph(face, static_cast<unsigned char>(ch), key.italic, key.antialiased);

    const int upem = face->units_per_EM;
    TEXTMETRIC& tm = instance->m_metrics;
    tm.tmAscent = Scaled(os2 ? os2->usWinAscent : face->ascender, ppem, upem);
    tm.tmDescent = Scaled(os2 ? os2->usWinDescent : -face->descender, ppem, upem);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(tm.tmHeight - ppem, 0);
    const long gap = face->height - (face->ascender - face->descender);
    tm.tmExternalLeading = std::max(Scaled(gap, ppem, upem), 0);
    tm.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? Scaled(os2->xAvgCharWidth, ppem, upem)
                                                      : instance->m_glyphs['x'].advance;
    tm.tmMaxCharWidth = Scaled(face->bbox.xMax - face->bbox.xMin, ppem, upem);
    tm.tmWeight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = font.lfItalic ? 1 : 0;
    tm.tmUnderlined = font.lfUnderline ? 1 : 0;
    tm.tmStruckOut = font.lfStrikeOut ? 1 : 0;
    const bool fixedPitch = key.family == Family::Mono;
    const BYTE family = fixedPitch ? FF_MODERN : key.family == Family::Serif ? FF_ROMAN : FF_SWISS;
    tm.tmPitchAndFamily = static_cast<BYTE>((fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR |
                                            TMPF_TRUETYPE | family);
    tm.tmCharSet = ANSI_CHARSET;

    instance->m_lineThickness = std::max(Scaled(face->underline_thickness, ppem, upem), 1);
    instance->m_underlineOffset = std::max(Scaled(-face->underline_position, ppem, upem), 1);
    instance->m_strikeOutOffset =
        -Scaled(os2 ? os2->yStrikeoutPosition : face->ascender / 4, ppem, upem);
    instance->m_underline = key.underline;
    instance->m_strikeOut = key.strikeOut;
    instance->m_faceName = FaceNameOf(key.family);

    cache.emplace(key, instance);
    return instance;
}
