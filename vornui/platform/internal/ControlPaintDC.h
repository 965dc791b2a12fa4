#pragma once

// Inside the common controls: painting with the control's own font (WM_GETFONT, the GUI
// font without one), in the system's palette, without asking the parent for colours.

#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/internal/ControlPainting.h"

class ControlPaintDC {
public:
    explicit ControlPaintDC(HWND hwnd);
    ~ControlPaintDC();
    ControlPaintDC(const ControlPaintDC&) = delete;
    ControlPaintDC& operator=(const ControlPaintDC&) = delete;

    HDC dc() const { return m_paint.hdc; }
    const RECT& area() const { return m_paint.rcPaint; }
    bool erase() const { return m_paint.fErase != 0; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HGDIOBJ m_oldFont = nullptr;
};

// Selects `hwnd`'s font into `dc` for as long as it lives (measuring outside WM_PAINT).
class ControlFontScope {
public:
    ControlFontScope(HWND hwnd, HDC dc);
    ~ControlFontScope();
    ControlFontScope(const ControlFontScope&) = delete;
    ControlFontScope& operator=(const ControlFontScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_oldFont;
};
