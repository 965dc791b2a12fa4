#include "vornui/platform/InputCodes.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/WindowFrame.h"
#include "vornui/platform/internal/WindowInternals.h"

namespace {

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

// Which edge or corner of a sizing frame `point` lies on; HTNOWHERE inside the frame. Near
// a corner (within a caption's height of it) the corner wins, as the system has it.
LRESULT SizingEdge(const CRect& window, POINT point, int frame) {
    const int corner = GetSystemMetrics(SM_CYCAPTION);
    const bool left = point.x < window.left + frame;
    const bool right = point.x >= window.right - frame;
    const bool top = point.y < window.top + frame;
    const bool bottom = point.y >= window.bottom - frame;
    if (!left && !right && !top && !bottom)
        return HTNOWHERE;
    const bool nearLeft = point.x < window.left + corner;
    const bool nearRight = point.x >= window.right - corner;
    const bool nearTop = point.y < window.top + corner;
    const bool nearBottom = point.y >= window.bottom - corner;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : HTBOTTOM;
}

} // namespace

CRect CaptionBarRect(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    if (!HasCaption(style))
        return CRect();
    const DWORD exStyle = static_cast<DWORD>(GetWindowLong(hwnd, GWL_EXSTYLE));
    CRect window;
    GetWindowRect(hwnd, &window);
    const int frame = OuterFrameWidth(style, exStyle);
    const int height =
        GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return CRect(frame, frame, window.Width() - frame, frame + height);
}

// From the right: close, maximise, minimise; a window with either box shows both.
CRect CaptionButtonRect(HWND hwnd, int button) {
    const DWORD style = StyleOf(hwnd);
    const CRect bar = CaptionBarRect(hwnd);
    if (bar.IsRectEmpty() || !(style & WS_SYSMENU))
        return CRect();
    const bool boxes = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    int slot = 0;
    if (button == HTMAXBUTTON)
        slot = 1;
    else if (button == HTMINBUTTON)
        slot = 2;
    else if (button != HTCLOSE)
        return CRect();
    if (slot > 0 && !boxes)
        return CRect();
    const int size = bar.Height() - 6;
    const int right = bar.right - 3 - slot * (size + 2);
    return CRect(right - size, bar.top + 3, right, bar.bottom - 3);
}

CRect WindowScrollBarRect(HWND hwnd, int bar) {
    const DWORD style = StyleOf(hwnd);
    const CRect client = ClientInWindow(hwnd);
    if (bar == SB_VERT && (style & WS_VSCROLL))
        return CRect(client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL),
                     client.bottom);
    if (bar == SB_HORZ && (style & WS_HSCROLL))
        return CRect(client.left, client.bottom, client.right,
                     client.bottom + GetSystemMetrics(SM_CYHSCROLL));
    return CRect();
}

LRESULT FrameHitTest(HWND hwnd, POINT screen) {
    CRect window;
    if (!GetWindowRect(hwnd, &window) || !window.PtInRect(screen))
        return HTNOWHERE;
    const POINT point{screen.x - window.left, screen.y - window.top};
    const CRect local(0, 0, window.Width(), window.Height());
    if (ClientInWindow(hwnd).PtInRect(point))
        return HTCLIENT;
    const CRect vertical = WindowScrollBarRect(hwnd, SB_VERT);
    const CRect horizontal = WindowScrollBarRect(hwnd, SB_HORZ);
    if (vertical.PtInRect(point))
        return HTVSCROLL;
    if (horizontal.PtInRect(point))
        return HTHSCROLL;
    if (!vertical.IsRectEmpty() && !horizontal.IsRectEmpty() &&
        CRect(vertical.left, horizontal.top, vertical.right, horizontal.bottom).PtInRect(point))
        return HTGROWBOX;
    const DWORD style = StyleOf(hwnd);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLong(hwnd, GWL_EXSTYLE));
    const int frame = OuterFrameWidth(style, exStyle);
    if ((style & WS_THICKFRAME) && !(style & (WS_MAXIMIZE | WS_MINIMIZE)))
        if (const LRESULT edge = SizingEdge(local, point, frame); edge != HTNOWHERE)
            return edge;
    for (const int button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON})
        if (CaptionButtonRect(hwnd, button).PtInRect(point))
            return button;
    if (CaptionBarRect(hwnd).PtInRect(point))
        return HTCAPTION;
    CRect inner(local);
    inner.DeflateRect(frame, frame);
    return frame > 0 && !inner.PtInRect(point) ? HTBORDER : HTNOWHERE;
}
