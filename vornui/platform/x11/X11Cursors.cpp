#include "vornui/platform/internal/X11Cursors.h"

#include <string_view>
#include <utility>

namespace {

// Glyphs of the X cursor font.
constexpr uint16_t kLeftPointer = 68;
constexpr uint16_t kTextBeam = 152;
constexpr uint16_t kWatch = 150;
constexpr uint16_t kTopLeftCorner = 134;
constexpr uint16_t kTopRightCorner = 136;
constexpr uint16_t kHorizontalArrows = 108;
constexpr uint16_t kVerticalArrows = 116;
constexpr uint16_t kFleur = 52;
constexpr uint16_t kCrossedCircle = 0;
constexpr uint16_t kHand = 60;

uint16_t GlyphOf(HCURSOR cursor) {
    static const std::pair<LPCTSTR, uint16_t> shapes[] = {
        {IDC_IBEAM, kTextBeam},
        {IDC_WAIT, kWatch},
        {IDC_SIZENWSE, kTopLeftCorner},
        {IDC_SIZENESW, kTopRightCorner},
        {IDC_SIZEWE, kHorizontalArrows},
        {IDC_SIZENS, kVerticalArrows},
        {IDC_SIZEALL, kFleur},
        {IDC_NO, kCrossedCircle},
        {IDC_HAND, kHand},
    };
    for (const auto& [name, glyph] : shapes)
        if (LoadCursor(nullptr, name) == cursor)
            return glyph;
    return kLeftPointer;
}

} // namespace

X11Cursors::X11Cursors(xcb_connection_t* connection) : m_connection(connection) {}

X11Cursors::~X11Cursors() {
    for (const auto& [glyph, cursor] : m_byGlyph)
        xcb_free_cursor(m_connection, cursor);
    if (m_font != XCB_NONE)
        xcb_close_font(m_connection, m_font);
}

xcb_cursor_t X11Cursors::For(HCURSOR cursor) {
    return cursor ? Glyph(GlyphOf(cursor)) : XCB_NONE;
}

xcb_cursor_t X11Cursors::Glyph(uint16_t glyph) {
    if (const auto made = m_byGlyph.find(glyph); made != m_byGlyph.end())
        return made->second;
    if (m_font == XCB_NONE) {
        constexpr std::string_view name = "cursor";
        m_font = xcb_generate_id(m_connection);
        xcb_open_font(m_connection, m_font, name.size(), name.data());
    }
    const xcb_cursor_t cursor = xcb_generate_id(m_connection);
    // Each shape's mask is the glyph after it; black on white, as the system draws them.
    xcb_create_glyph_cursor(m_connection, cursor, m_font, m_font, glyph, glyph + 1, 0, 0, 0, 0xFFFF,
                            0xFFFF, 0xFFFF);
    m_byGlyph.emplace(glyph, cursor);
    return cursor;
}
