#include "vornui/platform/internal/X11WindowHints.h"

#include "vornui/platform/CodePage.h"

#include <string>

namespace {

void ReplaceProperty(XcbConnection& connection, xcb_window_t window, const char* property,
                     xcb_atom_t type, uint8_t format, uint32_t count, const void* data) {
    xcb_change_property(connection.get(), XCB_PROP_MODE_REPLACE, window, connection.atom(property),
                        type, format, count, data);
}

} // namespace

void HintUndecorated(XcbConnection& connection, xcb_window_t window) {
    constexpr uint32_t kDecorationsGiven = 1u << 1;
    const uint32_t motifHints[5] = {kDecorationsGiven, 0, 0, 0, 0};
    const xcb_atom_t type = connection.atom("_MOTIF_WM_HINTS");
    ReplaceProperty(connection, window, "_MOTIF_WM_HINTS", type, 32, 5, motifHints);
}

void HintTitle(XcbConnection& connection, xcb_window_t window, std::string_view text) {
    const std::string utf8 = Utf8From1252(text);
    ReplaceProperty(connection, window, "_NET_WM_NAME", connection.atom("UTF8_STRING"), 8,
                    static_cast<uint32_t>(utf8.size()), utf8.data());
    // The old property is Latin-1, which code page 1252 is but for its 0x80-0x9F.
    ReplaceProperty(connection, window, "WM_NAME", XCB_ATOM_STRING, 8,
                    static_cast<uint32_t>(text.size()), text.data());
}

void HintProtocols(XcbConnection& connection, xcb_window_t window) {
    const xcb_atom_t protocols[] = {connection.atom("WM_DELETE_WINDOW")};
    ReplaceProperty(connection, window, "WM_PROTOCOLS", XCB_ATOM_ATOM, 32, 1, protocols);
}

void HintSizes(XcbConnection& connection, xcb_window_t window, POINT position, SIZE minimum,
               SIZE maximum) {
    // WM_NORMAL_HINTS: flags, x, y, width, height, min, max, increments, aspects, base,
    // gravity.
    constexpr uint32_t kProgramPosition = 1u << 2;
    constexpr uint32_t kMinimumSize = 1u << 4;
    constexpr uint32_t kMaximumSize = 1u << 5;
    uint32_t hints[18] = {};
    hints[0] = kProgramPosition | kMinimumSize | kMaximumSize;
    hints[1] = static_cast<uint32_t>(position.x);
    hints[2] = static_cast<uint32_t>(position.y);
    hints[5] = static_cast<uint32_t>(minimum.cx);
    hints[6] = static_cast<uint32_t>(minimum.cy);
    hints[7] = static_cast<uint32_t>(maximum.cx);
    hints[8] = static_cast<uint32_t>(maximum.cy);
    ReplaceProperty(connection, window, "WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

void HintOwner(XcbConnection& connection, xcb_window_t window, xcb_window_t owner) {
    if (owner == XCB_NONE) {
        xcb_delete_property(connection.get(), window, XCB_ATOM_WM_TRANSIENT_FOR);
        return;
    }
    ReplaceProperty(connection, window, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW, 32, 1, &owner);
    const xcb_atom_t dialog = connection.atom("_NET_WM_WINDOW_TYPE_DIALOG");
    ReplaceProperty(connection, window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM, 32, 1, &dialog);
}
