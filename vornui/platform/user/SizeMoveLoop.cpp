#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MouseTracking.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <algorithm>

namespace {

bool MovesLeft(UINT edge) {
    return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
}

bool MovesRight(UINT edge) {
    return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
}

bool MovesTop(UINT edge) {
    return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
}

bool MovesBottom(UINT edge) {
    return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

// The rectangle the dragged edges give, held to the tracking limits; the edge that is not
// dragged stays where it is.
CRect SizedRect(const CRect& start, UINT edge, CSize moved, const MINMAXINFO& limits) {
    CRect rect(start);
    if (MovesLeft(edge))
        rect.left += moved.cx;
    if (MovesRight(edge))
        rect.right += moved.cx;
    if (MovesTop(edge))
        rect.top += moved.cy;
    if (MovesBottom(edge))
        rect.bottom += moved.cy;
    const int width = std::clamp<int>(rect.Width(), limits.ptMinTrackSize.x,
                                      std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    const int height = std::clamp<int>(rect.Height(), limits.ptMinTrackSize.y,
                                       std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    if (MovesLeft(edge))
        rect.left = rect.right - width;
    else
        rect.right = rect.left + width;
    if (MovesTop(edge))
        rect.top = rect.bottom - height;
    else
        rect.bottom = rect.top + height;
    return rect;
}

// Places `hwnd` at `screen`, a rectangle of the screen, in its parent's coordinates.
void PlaceOnScreen(HWND hwnd, CRect screen) {
    if (StyleOf(hwnd) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<LPPOINT>(&screen), 2);
    SetWindowPos(hwnd, nullptr, screen.left, screen.top, screen.Width(), screen.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void RunSizeMoveLoop(HWND hwnd, UINT edge, POINT screen) {
    if (!IsWindow(hwnd) || IsZoomed(hwnd) || IsIconic(hwnd))
        return;
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    const MINMAXINFO limits = TrackingLimits(hwnd);
    CRect start;
    GetWindowRect(hwnd, &start);
    POINT releasedAt{};
    const bool kept = TrackMouseUntilRelease(
        hwnd,
        [&](POINT point) {
            const CSize moved(point.x - screen.x, point.y - screen.y);
            CRect rect;
            if (edge == 0) {
                rect = start;
                rect.OffsetRect(moved);
                SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&rect));
            } else {
                rect = SizedRect(start, edge, moved, limits);
                SendMessage(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rect));
            }
            if (IsWindow(hwnd))
                PlaceOnScreen(hwnd, rect);
        },
        releasedAt);
    if (!IsWindow(hwnd))
        return;
    if (!kept)
        PlaceOnScreen(hwnd, start);
    SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}
