#include "vornui/platform/Cursors.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/MouseTracking.h"
#include "vornui/platform/internal/ScrollBars.h"
#include "vornui/platform/internal/WindowClass.h"
#include "vornui/platform/internal/WindowFrame.h"
#include "vornui/platform/internal/WindowInternals.h"
#include "vornui/platform/internal/WindowRecord.h"

namespace {

POINT ScreenPoint(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

bool IsSizingEdge(WPARAM hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

bool IsSizable(HWND hwnd) {
    return (StyleOf(hwnd) & WS_THICKFRAME) && !IsZoomed(hwnd) && !IsIconic(hwnd);
}

LPCTSTR SizingCursor(WPARAM hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
    case HTGROWBOX:
        return IDC_SIZENWSE;
    default:
        return IDC_SIZENESW;
    }
}

// The window under the pointer sets the cursor after its parents declined: the class
// cursor over the client area, a sizing arrow over a sizing edge, the arrow elsewhere.
LRESULT SetCursorFor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const HWND parent = GetParent(hwnd);
    if ((StyleOf(hwnd) & WS_CHILD) && parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    const auto hit = static_cast<SHORT>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        const HWND under = reinterpret_cast<HWND>(wParam);
        const WindowRecord* record = LiveWindow(under);
        if (!record || !record->windowClass || !record->windowClass->wc.hCursor)
            return FALSE;
        SetCursor(static_cast<HCURSOR>(record->windowClass->wc.hCursor));
        return TRUE;
    }
    if (IsSizingEdge(static_cast<WPARAM>(hit)) || (hit == HTGROWBOX && IsSizable(hwnd))) {
        SetCursor(LoadCursor(nullptr, SizingCursor(static_cast<WPARAM>(hit))));
        return TRUE;
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return FALSE;
}

// A caption button acts when the button comes up over it again.
void PressCaptionButton(HWND hwnd, WPARAM hit) {
    POINT releasedAt{};
    if (!TrackMouseUntilRelease(
            hwnd, [](POINT) {}, releasedAt) ||
        !IsWindow(hwnd))
        return;
    if (static_cast<WPARAM>(
            SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(releasedAt.x, releasedAt.y))) != hit)
        return;
    const WPARAM command = hit == HTCLOSE       ? SC_CLOSE
                           : hit == HTMINBUTTON ? SC_MINIMIZE
                           : IsZoomed(hwnd)     ? SC_RESTORE
                                                : SC_MAXIMIZE;
    SendMessage(hwnd, WM_SYSCOMMAND, command, MAKELPARAM(releasedAt.x, releasedAt.y));
}

LRESULT ButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
    if (IsSizingEdge(hit) || (hit == HTGROWBOX && IsSizable(hwnd)))
        SendMessage(hwnd, WM_SYSCOMMAND,
                    SC_SIZE + (hit == HTGROWBOX ? WMSZ_BOTTOMRIGHT : hit - HTLEFT + WMSZ_LEFT),
                    lParam);
    else if (hit == HTCAPTION)
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
    else if (hit == HTVSCROLL)
        SendMessage(hwnd, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lParam);
    else if (hit == HTHSCROLL)
        SendMessage(hwnd, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lParam);
    else if (hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON)
        PressCaptionButton(hwnd, hit);
    return 0;
}

LRESULT SystemCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const POINT screen = ScreenPoint(lParam);
    switch (wParam & 0xFFF0) {
    case SC_SIZE:
        RunSizeMoveLoop(hwnd, static_cast<UINT>(wParam & 0x000F), screen);
        return 0;
    case SC_MOVE:
        RunSizeMoveLoop(hwnd, 0, screen);
        return 0;
    case SC_VSCROLL:
        TrackScrollBar(hwnd, SB_VERT, screen);
        return 0;
    case SC_HSCROLL:
        TrackScrollBar(hwnd, SB_HORZ, screen);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_CLOSE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        return 0;
    default:
        return 0;
    }
}

} // namespace

LRESULT DefFrameMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return FrameHitTest(hwnd, ScreenPoint(lParam));
    case WM_SETCURSOR:
        return SetCursorFor(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return ButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        // A double click on the caption maximises the window, or restores it; on a scroll bar
        // its second press scrolls again, as the first did.
        if (wParam == HTCAPTION && (StyleOf(hwnd) & WS_MAXIMIZEBOX))
            SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        else if (wParam == HTVSCROLL || wParam == HTHSCROLL)
            return ButtonDown(hwnd, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(hwnd, wParam, lParam);
    default:
        return 0;
    }
}
