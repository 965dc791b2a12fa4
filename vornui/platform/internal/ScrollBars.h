#pragma once

// Inside the window manager: scroll bars, shared by the standard bars of a window (SB_HORZ,
// SB_VERT, in its non-client area) and the "ScrollBar" control (SB_CTL, its client area).
// A bar is two arrows with a track between them and a thumb as long, in the track, as the
// page is in the range.

#include "vornui/platform/CRect.h"
#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/WindowTypes.h"

struct ScrollBarState;

struct ScrollBarLayout {
    bool vertical = true;
    CRect arrowBefore; // up or left
    CRect arrowAfter;  // down or right
    CRect track;       // between the arrows
    CRect thumb;       // inside the track; empty when there is nothing to scroll
};

// The parts of a bar drawn in `area`, its thumb at `position`.
ScrollBarLayout LayOutScrollBar(const CRect& area, bool vertical, const ScrollBarState& state,
                                int position);
void PaintScrollBar(HDC hdc, const CRect& area, bool vertical, const ScrollBarState& state);

// The state of bar `bar` of `hwnd` (SB_CTL only for a scroll bar control); null for a
// window that is gone or a bar it cannot have.
ScrollBarState* ScrollBarStateOf(HWND hwnd, int bar);
// Whether `hwnd` is a "ScrollBar" control.
bool IsScrollBarControl(HWND hwnd);
// Paints bar `bar` of `hwnd` again now, unless the window is hidden or its redraw is off.
void RedrawScrollBar(HWND hwnd, int bar);

// Where the WM_HSCROLL or WM_VSCROLL request `request` takes a window scrolled to `position`,
// moving `line` a line and the bar's page a page; `position` for a request that moves
// nothing. The caller keeps the result within its range.
int ScrollRequestTarget(WPARAM request, int position, int line, const SCROLLINFO& bar);

// The person pressed the left button on bar `bar` of `hwnd` at `screen`: what was pressed
// (an arrow, the track, the thumb) scrolls with WM_HSCROLL or WM_VSCROLL until the button
// comes up, as the system's tracking loop does. A window's own bars notify the window; a
// scroll bar control notifies its parent.
void TrackScrollBar(HWND hwnd, int bar, POINT screen);
