#pragma once

// Inside the X11 display: what a top-level window tells the window manager about itself.

#include "vornui/platform/CRect.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <string_view>

// No decorations of the manager's own (Motif hints): the library draws frame and caption.
void HintUndecorated(XcbConnection& connection, xcb_window_t window);
// The title, from the window text (code page 1252), in both the old and the UTF-8 property.
void HintTitle(XcbConnection& connection, xcb_window_t window, std::string_view text);
// The window manager asks before it closes the window (WM_DELETE_WINDOW).
void HintProtocols(XcbConnection& connection, xcb_window_t window);
// Where it stands and how small or large the manager may make it.
void HintSizes(XcbConnection& connection, xcb_window_t window, POINT position, SIZE minimum,
               SIZE maximum);
// Kept above `owner` (none: XCB_NONE) and, when owned, shown as its dialog.
void HintOwner(XcbConnection& connection, xcb_window_t window, xcb_window_t owner);
