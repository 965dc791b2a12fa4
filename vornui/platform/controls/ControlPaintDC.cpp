#include "vornui/platform/internal/ControlPaintDC.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/WindowMessages.h"

namespace {

HGDIOBJ FontOf(HWND hwnd) {
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessage(hwnd, WM_GETFONT, 0, 0));
    return font ? font : GetStockObject(DEFAULT_GUI_FONT);
}

} // namespace

ControlPaintDC::ControlPaintDC(HWND hwnd) : m_hwnd(hwnd) {
    BeginPaint(hwnd, &m_paint);
    m_oldFont = SelectObject(m_paint.hdc, FontOf(hwnd));
}

ControlPaintDC::~ControlPaintDC() {
    SelectObject(m_paint.hdc, m_oldFont);
    EndPaint(m_hwnd, &m_paint);
}

ControlFontScope::ControlFontScope(HWND hwnd, HDC dc)
    : m_dc(dc), m_oldFont(SelectObject(dc, FontOf(hwnd))) {}

ControlFontScope::~ControlFontScope() {
    SelectObject(m_dc, m_oldFont);
}
