#include "vornui/platform/internal/WindowFrame.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/internal/MenuRecord.h"
#include "vornui/platform/internal/ScrollBars.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <cstring>

namespace {

HFONT CaptionFont() {
    static const HFONT font = [] {
        LOGFONT log{};
        log.lfHeight = -12;
        log.lfWeight = FW_BOLD;
        std::strncpy(log.lfFaceName, "Segoe UI", LF_FACESIZE - 1);
        return CreateFontIndirect(&log);
    }();
    return font;
}

void DrawCross(HDC hdc, CRect box) {
    box.DeflateRect(box.Width() / 4, box.Height() / 4);
    MoveToEx(hdc, box.left, box.top, nullptr);
    LineTo(hdc, box.right, box.bottom);
    MoveToEx(hdc, box.right - 1, box.top, nullptr);
    LineTo(hdc, box.left - 1, box.bottom);
}

// The maximise box shows a window, or two when the window is maximised (restore).
void DrawMaximize(HDC hdc, CRect box, bool maximized) {
    box.DeflateRect(box.Width() / 4, box.Height() / 4);
    if (maximized) {
        box.DeflateRect(0, 2, 2, 0);
        Rectangle(hdc, box.left + 2, box.top - 2, box.right + 2, box.bottom - 2);
    }
    Rectangle(hdc, box.left, box.top, box.right, box.bottom);
}

void DrawMinimize(HDC hdc, CRect box) {
    box.DeflateRect(box.Width() / 4, box.Height() / 4);
    MoveToEx(hdc, box.left, box.bottom - 1, nullptr);
    LineTo(hdc, box.right, box.bottom - 1);
}

// Greyed in the window menu, the close box is greyed too.
void DrawCloseCross(HDC hdc, const CRect& box, bool greyed) {
    if (!greyed)
        return DrawCross(hdc, box);
    HPEN grey = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    const HGDIOBJ held = SelectObject(hdc, grey);
    DrawCross(hdc, box);
    SelectObject(hdc, held);
    DeleteObject(grey);
}

void PaintCaption(HDC hdc, const CRect& bar, HWND hwnd) {
    const COLORREF previous = SetBkColor(hdc, GetSysColor(COLOR_ACTIVECAPTION));
    ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &bar, nullptr, 0, nullptr);
    SetBkColor(hdc, previous);
    CRect title(bar);
    title.DeflateRect(6, 0);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_CAPTIONTEXT));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    for (const int button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
        const CRect box = CaptionButtonRect(hwnd, button);
        if (box.IsRectEmpty())
            continue;
        title.right = box.left - 4;
        if (button == HTCLOSE)
            DrawCloseCross(hdc, box, IsCloseGreyed(hwnd));
        else if (button == HTMAXBUTTON)
            DrawMaximize(hdc, box, IsZoomed(hwnd) != FALSE);
        else
            DrawMinimize(hdc, box);
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
    char text[256] = {};
    GetWindowText(hwnd, text, sizeof text);
    HGDIOBJ oldFont = SelectObject(hdc, CaptionFont());
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_CAPTIONTEXT));
    DrawText(hdc, text, -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(hdc, oldFont);
}

void PaintScrollBars(HDC hdc, HWND hwnd) {
    const CRect vertical = WindowScrollBarRect(hwnd, SB_VERT);
    const CRect horizontal = WindowScrollBarRect(hwnd, SB_HORZ);
    if (!vertical.IsRectEmpty())
        PaintScrollBar(hdc, vertical, true, *ScrollBarStateOf(hwnd, SB_VERT));
    if (!horizontal.IsRectEmpty())
        PaintScrollBar(hdc, horizontal, false, *ScrollBarStateOf(hwnd, SB_HORZ));
    if (!vertical.IsRectEmpty() && !horizontal.IsRectEmpty()) {
        const CRect corner(vertical.left, horizontal.top, vertical.right, horizontal.bottom);
        FillRect(hdc, &corner, GetSysColorBrush(COLOR_3DFACE));
    }
}

} // namespace

CRect ClientInWindow(HWND hwnd) {
    CRect window;
    GetWindowRect(hwnd, &window);
    CRect client;
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    client.OffsetRect(origin.x - window.left, origin.y - window.top);
    return client;
}

void PaintWindowFrame(HWND hwnd) {
    CRect window;
    GetWindowRect(hwnd, &window);
    const CRect client = ClientInWindow(hwnd);
    window.OffsetRect(-window.left, -window.top);
    if (EqualRect(&client, &window))
        return;
    const DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLong(hwnd, GWL_EXSTYLE));
    HDC hdc = GetWindowDC(hwnd);
    const int saved = SaveDC(hdc);
    ExcludeClipRect(hdc, client.left, client.top, client.right, client.bottom);
    FillRect(hdc, &window, GetSysColorBrush(COLOR_3DFACE));

    CRect outer(window);
    const int frame = OuterFrameWidth(style, exStyle);
    if (frame == GetSystemMetrics(SM_CXBORDER) && frame > 0)
        FrameRect(hdc, &outer, GetSysColorBrush(COLOR_WINDOWFRAME));
    else if (frame > 0)
        DrawEdge(hdc, &outer, EDGE_RAISED, BF_RECT);
    if (const CRect bar = CaptionBarRect(hwnd); !bar.IsRectEmpty())
        PaintCaption(hdc, bar, hwnd);
    PaintMenuBar(hwnd, hdc);
    PaintScrollBars(hdc, hwnd);
    CRect edge(client);
    if (exStyle & WS_EX_STATICEDGE) {
        edge.InflateRect(1, 1);
        DrawEdge(hdc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        edge.InflateRect(2, 2);
        DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
    }
    RestoreDC(hdc, saved);
    ReleaseDC(hwnd, hdc);
}
