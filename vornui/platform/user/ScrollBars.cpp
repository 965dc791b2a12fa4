#include "vornui/platform/internal/ScrollBars.h"

#include "vornui/platform/Drawing.h"
#include "vornui/platform/FrameControls.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/ScrollBarControl.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MouseTracking.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowFrame.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <strings.h>

namespace {

constexpr int kSmallestThumb = 8;

// The lowest and highest positions the thumb can take: the last page ends at the maximum.
int HighestPosition(const ScrollBarState& state) {
    const long long highest = static_cast<long long>(state.max) -
                              std::max<long long>(static_cast<long long>(state.page) - 1, 0);
    return static_cast<int>(std::max<long long>(state.min, highest));
}

long long RangeSpan(const ScrollBarState& state) {
    return static_cast<long long>(state.max) - state.min + 1;
}

int Along(const CRect& rect, bool vertical) {
    return vertical ? rect.top : rect.left;
}

int LengthOf(const CRect& rect, bool vertical) {
    return vertical ? rect.Height() : rect.Width();
}

// The thumb position for a thumb whose leading edge lies at `start` along the track.
int PositionForThumb(const ScrollBarLayout& parts, const ScrollBarState& state, int start) {
    const int room = LengthOf(parts.track, parts.vertical) - LengthOf(parts.thumb, parts.vertical);
    const int highest = HighestPosition(state);
    if (room <= 0 || highest <= state.min)
        return state.min;
    const long long offset = std::clamp(start - Along(parts.track, parts.vertical), 0, room);
    const long long steps = static_cast<long long>(highest) - state.min;
    return static_cast<int>(state.min + (offset * steps + room / 2) / room);
}

// The SB_* code of a press at `point` outside the thumb, -1 where a press does nothing.
int PartCode(const ScrollBarLayout& parts, POINT point) {
    if (parts.arrowBefore.PtInRect(point))
        return SB_LINEUP;
    if (parts.arrowAfter.PtInRect(point))
        return SB_LINEDOWN;
    if (!parts.track.PtInRect(point) || parts.thumb.IsRectEmpty())
        return -1;
    const int at = parts.vertical ? point.y : point.x;
    return at < Along(parts.thumb, parts.vertical) ? SB_PAGEUP : SB_PAGEDOWN;
}

bool IsVertical(HWND hwnd, int bar) {
    return bar == SB_VERT || (bar == SB_CTL && (StyleOf(hwnd) & SBS_VERT));
}

// Where bar `bar` of `hwnd` lies on the screen.
CRect BarOnScreen(HWND hwnd, int bar) {
    if (bar == SB_CTL) {
        CRect client;
        GetClientRect(hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        client.OffsetRect(origin);
        return client;
    }
    CRect window;
    GetWindowRect(hwnd, &window);
    CRect area = WindowScrollBarRect(hwnd, bar);
    area.OffsetRect(window.left, window.top);
    return area;
}

int ShownPosition(const ScrollBarState& state) {
    return state.dragging ? state.trackPos : state.pos;
}

// Whether the page covers the whole range.
bool NothingToScroll(const ScrollBarState& state) {
    return HighestPosition(state) <= state.min;
}

enum class BarShown { kept, hidden };

// What a new range or page does to the bar, as the system does it: a window's bar with
// nothing left to scroll goes away, unless SIF_DISABLENOSCROLL keeps it, greyed; a bar
// with something to scroll again comes back, enabled, unless only its page was given.
// Only a change of range or page shows or hides a window's bar.
BarShown ShowOrHideForRange(HWND hwnd, int bar, ScrollBarState& state, UINT mask, bool changed) {
    const bool windowBar = bar != SB_CTL;
    if (NothingToScroll(state)) {
        if (mask & SIF_DISABLENOSCROLL) {
            state.disabled = true;
        } else if (windowBar && changed) {
            ShowScrollBar(hwnd, bar, FALSE);
            return BarShown::hidden;
        }
    } else if (mask != SIF_PAGE) {
        state.disabled = false;
        if (windowBar && changed)
            ShowScrollBar(hwnd, bar, TRUE);
    }
    return BarShown::kept;
}

} // namespace

ScrollBarLayout LayOutScrollBar(const CRect& area, bool vertical, const ScrollBarState& state,
                                int position) {
    ScrollBarLayout parts;
    parts.vertical = vertical;
    const int length = LengthOf(area, vertical);
    const int thickness = vertical ? area.Width() : area.Height();
    const int arrow = std::min(thickness, length / 2);
    if (vertical) {
        parts.arrowBefore = CRect(area.left, area.top, area.right, area.top + arrow);
        parts.arrowAfter = CRect(area.left, area.bottom - arrow, area.right, area.bottom);
        parts.track = CRect(area.left, area.top + arrow, area.right, area.bottom - arrow);
    } else {
        parts.arrowBefore = CRect(area.left, area.top, area.left + arrow, area.bottom);
        parts.arrowAfter = CRect(area.right - arrow, area.top, area.right, area.bottom);
        parts.track = CRect(area.left + arrow, area.top, area.right - arrow, area.bottom);
    }
    const int trackLength = LengthOf(parts.track, vertical);
    const long long span = RangeSpan(state);
    if (span <= 1 || (state.page && state.page >= span))
        return parts; // nothing to scroll: no thumb
    const int thumbLength =
        state.page
            ? std::max<int>(kSmallestThumb, static_cast<int>(trackLength * state.page / span))
            : thickness;
    if (thumbLength > trackLength)
        return parts;
    const int highest = HighestPosition(state);
    const long long room = trackLength - thumbLength;
    const long long offset =
        highest > state.min
            ? room *
                  (std::clamp(position, state.min, highest) - static_cast<long long>(state.min)) /
                  (static_cast<long long>(highest) - state.min)
            : 0;
    const int start = Along(parts.track, vertical) + static_cast<int>(offset);
    parts.thumb = vertical ? CRect(area.left, start, area.right, start + thumbLength)
                           : CRect(start, area.top, start + thumbLength, area.bottom);
    return parts;
}

void PaintScrollBar(HDC hdc, const CRect& area, bool vertical, const ScrollBarState& state) {
    ScrollBarLayout parts = LayOutScrollBar(area, vertical, state, ShownPosition(state));
    if (state.disabled)
        parts.thumb.SetRectEmpty();
    FillRect(hdc, &area, GetSysColorBrush(COLOR_SCROLLBAR));
    const UINT inactive = parts.thumb.IsRectEmpty() ? DFCS_INACTIVE : 0;
    CRect before = parts.arrowBefore;
    CRect after = parts.arrowAfter;
    DrawFrameControl(hdc, &before, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive);
    DrawFrameControl(hdc, &after, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive);
    if (!parts.thumb.IsRectEmpty()) {
        CRect thumb = parts.thumb;
        DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

bool IsScrollBarControl(HWND hwnd) {
    const WindowRecord* record = LiveWindow(hwnd);
    return record && record->windowClass &&
           strcasecmp(record->windowClass->name.c_str(), "ScrollBar") == 0;
}

ScrollBarState* ScrollBarStateOf(HWND hwnd, int bar) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record || bar < SB_HORZ || bar > SB_CTL || (bar == SB_CTL && !IsScrollBarControl(hwnd)))
        return nullptr;
    return &record->scroll[bar];
}

void RedrawScrollBar(HWND hwnd, int bar) {
    const WindowRecord* record = LiveWindow(hwnd);
    const ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
    if (!state || !record->redraw || !IsWindowVisible(hwnd))
        return;
    CRect area;
    HDC hdc = nullptr;
    if (bar == SB_CTL) {
        GetClientRect(hwnd, &area);
        hdc = GetDC(hwnd);
    } else {
        area = WindowScrollBarRect(hwnd, bar);
        if (area.IsRectEmpty())
            return;
        hdc = GetWindowDC(hwnd);
    }
    PaintScrollBar(hdc, area, IsVertical(hwnd, bar), *state);
    ReleaseDC(hwnd, hdc);
}

void TrackScrollBar(HWND hwnd, int bar, POINT screen) {
    ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
    if (!state || state->disabled)
        return;
    const bool vertical = IsVertical(hwnd, bar);
    const CRect area = BarOnScreen(hwnd, bar);
    const HWND notify = bar == SB_CTL ? GetParent(hwnd) : hwnd;
    const auto send = [&](int code, int position) {
        SendMessage(notify, vertical ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(code, static_cast<WORD>(position)),
                    bar == SB_CTL ? reinterpret_cast<LPARAM>(hwnd) : 0);
    };
    const ScrollBarLayout parts = LayOutScrollBar(area, vertical, *state, state->pos);
    POINT releasedAt{};
    if (parts.thumb.PtInRect(screen)) {
        const int grab = (vertical ? screen.y : screen.x) - Along(parts.thumb, vertical);
        state->trackPos = state->pos;
        state->dragging = true;
        TrackMouseUntilRelease(
            hwnd,
            [&](POINT point) {
                ScrollBarState* now = ScrollBarStateOf(hwnd, bar);
                if (!now)
                    return;
                const ScrollBarLayout shown = LayOutScrollBar(area, vertical, *now, now->trackPos);
                const int position =
                    PositionForThumb(shown, *now, (vertical ? point.y : point.x) - grab);
                if (position == now->trackPos)
                    return;
                now->trackPos = position;
                RedrawScrollBar(hwnd, bar);
                send(SB_THUMBTRACK, position);
            },
            releasedAt);
        state = ScrollBarStateOf(hwnd, bar);
        if (!state)
            return;
        state->dragging = false;
        send(SB_THUMBPOSITION, state->trackPos);
    } else {
        const int code = PartCode(parts, screen);
        if (code < 0)
            return;
        send(code, 0);
        TrackMouseUntilRelease(
            hwnd, [](POINT) {}, releasedAt);
    }
    send(SB_ENDSCROLL, 0);
    RedrawScrollBar(hwnd, bar);
}

int ScrollRequestTarget(WPARAM request, int position, int line, const SCROLLINFO& bar) {
    const int page = static_cast<int>(bar.nPage);
    switch (LOWORD(request)) {
    case SB_LINEUP:
        return position - line;
    case SB_LINEDOWN:
        return position + line;
    case SB_PAGEUP:
        return position - page;
    case SB_PAGEDOWN:
        return position + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return HIWORD(request);
    case SB_TOP:
        return bar.nMin;
    case SB_BOTTOM:
        return bar.nMax;
    default:
        return position;
    }
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
    if (!state || !info)
        return 0;
    const ScrollBarState before = *state;
    if (info->fMask & SIF_RANGE) {
        // A minimum above the maximum leaves nothing to scroll.
        state->min = info->nMin;
        state->max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        state->page = static_cast<UINT>(std::min<long long>(info->nPage, RangeSpan(*state)));
    if (info->fMask & SIF_POS)
        state->pos = info->nPos;
    state->pos = std::clamp(state->pos, state->min, HighestPosition(*state));
    if (info->fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
        const bool changed =
            state->min != before.min || state->max != before.max || state->page != before.page;
        if (ShowOrHideForRange(hwnd, bar, *state, info->fMask, changed) == BarShown::hidden) {
            // Hiding it changed the frame, which painted it away.
            state = ScrollBarStateOf(hwnd, bar);
            return state ? state->pos : 0;
        }
    }
    if (redraw)
        RedrawScrollBar(hwnd, bar);
    state = ScrollBarStateOf(hwnd, bar);
    return state ? state->pos : 0;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    const ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
    if (!state || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = state->min;
        info->nMax = state->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = state->page;
    if (info->fMask & SIF_POS)
        info->nPos = state->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = ShownPosition(*state);
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, pos, 0};
    const int previous = GetScrollPos(hwnd, bar);
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO info{sizeof info, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    if (!ScrollBarStateOf(hwnd, bar))
        return FALSE;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos) {
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    if (!minPos || !maxPos || !GetScrollInfo(hwnd, bar, &info))
        return FALSE;
    *minPos = info.nMin;
    *maxPos = info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    WindowRecord* record = LiveWindow(hwnd);
    if (!record)
        return FALSE;
    if (bar == SB_CTL) {
        if (!IsScrollBarControl(hwnd))
            return FALSE;
        ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    const DWORD bits = bar == SB_HORZ   ? WS_HSCROLL
                       : bar == SB_VERT ? WS_VSCROLL
                                        : WS_HSCROLL | WS_VSCROLL;
    const DWORD style = show ? (record->style | bits) : (record->style & ~bits);
    if (style != record->style) {
        record->style = style;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}
