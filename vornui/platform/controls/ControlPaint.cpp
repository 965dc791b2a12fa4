#include "vornui/platform/internal/ControlPaint.h"

#include "vornui/platform/Blits.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/IconRecords.h"
#include "vornui/platform/internal/SystemColors.h"

namespace {

// Messages that only ask, or that are part of painting itself.
bool LeavesLookAlone(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_NCHITTEST:
    case WM_NCCREATE:
    case WM_NCDESTROY:
    case WM_DESTROY:
    case WM_MOUSEMOVE:
    case WM_SETCURSOR:
    case WM_TIMER:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

} // namespace

ControlPaintScope::ControlPaintScope(HWND hwnd, UINT colorMessage)
    : m_hwnd(hwnd), m_palette(SystemControlPalette()) {
    BeginPaint(hwnd, &m_paint);
    GetClientRect(hwnd, &m_client);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(hwnd, WM_GETFONT, 0, 0));
    m_oldFont = SelectObject(m_paint.hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    // The parent chooses colours and background; without one, the defaults do.
    const HWND parent = GetParent(hwnd);
    const WPARAM hdc = reinterpret_cast<WPARAM>(m_paint.hdc);
    const LRESULT answer =
        parent ? SendMessage(parent, colorMessage, hdc, reinterpret_cast<LPARAM>(hwnd))
               : DefWindowProc(hwnd, colorMessage, hdc, reinterpret_cast<LPARAM>(hwnd));
    m_background = ResolveBrushHandle(reinterpret_cast<const void*>(answer));
    m_textColor = GetTextColor(m_paint.hdc);
}

ControlPaintScope::~ControlPaintScope() {
    SelectObject(m_paint.hdc, m_oldFont);
    EndPaint(m_hwnd, &m_paint);
}

void ControlPaintScope::fillBackground() const {
    if (m_background)
        FillRect(m_paint.hdc, &m_client, m_background);
}

void ControlPaintScope::drawByOwner(UINT type, UINT state) const {
    DRAWITEMSTRUCT item{type,
                        static_cast<UINT>(GetDlgCtrlID(m_hwnd)),
                        0,
                        ODA_DRAWENTIRE,
                        state,
                        m_hwnd,
                        m_paint.hdc,
                        m_client,
                        0};
    SendMessage(GetParent(m_hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void PaintControlImage(HDC hdc, const CRect& area, HANDLE icon, HANDLE bitmap, bool centered,
                       int shift) {
    const auto corner = [&](int width, int height) {
        CPoint at = centered ? CPoint(area.left + (area.Width() - width) / 2,
                                      area.top + (area.Height() - height) / 2)
                             : area.TopLeft();
        return at + CPoint(shift, shift);
    };
    if (const IconObject* record = LiveIcon(static_cast<HICON>(icon))) {
        const CPoint at = corner(record->image.width, record->image.height);
        DrawIconEx(hdc, at.x, at.y, static_cast<HICON>(icon), 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    BITMAP size{};
    if (!bitmap || !GetObject(static_cast<HGDIOBJ>(bitmap), sizeof size, &size))
        return;
    const HDC source = CreateCompatibleDC(hdc);
    const HGDIOBJ old = SelectObject(source, static_cast<HGDIOBJ>(bitmap));
    const CPoint at = corner(size.bmWidth, size.bmHeight);
    BitBlt(hdc, at.x, at.y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

RepaintAfter::~RepaintAfter() {
    if (!LeavesLookAlone(m_message) && IsWindow(m_hwnd))
        InvalidateRect(m_hwnd, nullptr, TRUE);
}
