#pragma once

// Inside the X11 display: the system cursor shapes (LoadCursor's IDC_ names) as the X
// server's own cursors, from its cursor font, made when first needed.

#include "vornui/platform/Cursors.h"

#include <map>
#include <xcb/xcb.h>

class X11Cursors {
public:
    explicit X11Cursors(xcb_connection_t* connection);
    ~X11Cursors();
    X11Cursors(const X11Cursors&) = delete;
    X11Cursors& operator=(const X11Cursors&) = delete;

    // The X cursor that shows `cursor`; the arrow for a cursor of no system shape, and
    // XCB_NONE (the parent's) for none.
    xcb_cursor_t For(HCURSOR cursor);

private:
    xcb_cursor_t Glyph(uint16_t glyph);

    xcb_connection_t* const m_connection;
    xcb_font_t m_font = XCB_NONE;
    std::map<uint16_t, xcb_cursor_t> m_byGlyph;
};
