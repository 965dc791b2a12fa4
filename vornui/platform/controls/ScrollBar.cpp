#include "vornui/platform/ScrollBar.h"

#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/internal/ScrollBars.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>

namespace {

bool IsVertical(HWND hwnd) {
    return (StyleOf(hwnd) & SBS_VERT) != 0;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT paint{};
    HDC hdc = BeginPaint(hwnd, &paint);
    CRect client;
    GetClientRect(hwnd, &client);
    if (const ScrollBarState* state = ScrollBarStateOf(hwnd, SB_CTL))
        PaintScrollBar(hdc, client, IsVertical(hwnd), *state);
    EndPaint(hwnd, &paint);
}

LRESULT ScrollInfoMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SBM_SETSCROLLINFO:
        return SetScrollInfo(hwnd, SB_CTL, reinterpret_cast<const SCROLLINFO*>(lParam),
                             static_cast<BOOL>(wParam));
    case SBM_GETSCROLLINFO:
        return GetScrollInfo(hwnd, SB_CTL, reinterpret_cast<LPSCROLLINFO>(lParam));
    case SBM_SETPOS:
        return SetScrollPos(hwnd, SB_CTL, static_cast<int>(wParam), static_cast<BOOL>(lParam));
    case SBM_GETPOS:
        return GetScrollPos(hwnd, SB_CTL);
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int previous = GetScrollPos(hwnd, SB_CTL);
        SetScrollRange(hwnd, SB_CTL, static_cast<int>(wParam), static_cast<int>(lParam),
                       message == SBM_SETRANGEREDRAW);
        return previous;
    }
    case SBM_GETRANGE:
        GetScrollRange(hwnd, SB_CTL, reinterpret_cast<LPINT>(wParam),
                       reinterpret_cast<LPINT>(lParam));
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the bar covers all of itself
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT screen{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        ClientToScreen(hwnd, &screen);
        TrackScrollBar(hwnd, SB_CTL, screen);
        return 0;
    }
    default:
        return ScrollInfoMessage(hwnd, message, wParam, lParam);
    }
}

const SystemClass kScrollBarClass("ScrollBar", ScrollBarProc, CS_DBLCLKS | CS_PARENTDC);

} // namespace

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ScrollBar", nullptr, style, rect, parent, id);
}

int CScrollBar::GetScrollPos() const {
    return ::GetScrollPos(m_hWnd, SB_CTL);
}

int CScrollBar::SetScrollPos(int pos, BOOL redraw) {
    return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw);
}

void CScrollBar::GetScrollRange(LPINT minPos, LPINT maxPos) const {
    ::GetScrollRange(m_hWnd, SB_CTL, minPos, maxPos);
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw) {
    ::SetScrollRange(m_hWnd, SB_CTL, minPos, maxPos, redraw);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw) {
    if (!info || !::IsWindow(m_hWnd))
        return FALSE;
    ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) {
    if (!info)
        return FALSE;
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}

int CScrollBar::GetScrollLimit() {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(m_hWnd, SB_CTL, &info))
        return 0;
    return info.nMax - std::max<int>(static_cast<int>(info.nPage) - 1, 0);
}

void CScrollBar::ShowScrollBar(BOOL show) {
    ::ShowScrollBar(m_hWnd, SB_CTL, show);
}
