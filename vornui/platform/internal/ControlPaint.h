#pragma once

// What the standard controls share when they paint: the paint DC with the control's font,
// the colours and background brush the parent chooses (WM_CTLCOLOR...), the system's
// palette, and owner drawing through the parent (WM_DRAWITEM).

#include "vornui/platform/OwnerDraw.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/internal/ControlPainting.h"

class ControlPaintScope {
public:
    // Begins painting `hwnd`; `colorMessage` asks the parent for colours and background.
    ControlPaintScope(HWND hwnd, UINT colorMessage);
    ~ControlPaintScope();
    ControlPaintScope(const ControlPaintScope&) = delete;
    ControlPaintScope& operator=(const ControlPaintScope&) = delete;

    HDC dc() const { return m_paint.hdc; }
    const CRect& client() const { return m_client; }
    HBRUSH background() const { return m_background; }
    COLORREF textColor() const { return m_textColor; }
    const ControlPalette& palette() const { return m_palette; }
    void fillBackground() const;
    // Hands the drawing to the parent (WM_DRAWITEM) for an owner-drawn control.
    void drawByOwner(UINT type, UINT state) const;

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    CRect m_client;
    HGDIOBJ m_oldFont = nullptr;
    HBRUSH m_background = nullptr;
    COLORREF m_textColor = 0;
    ControlPalette m_palette;
};

// Draws a control's picture, an icon or else a bitmap, at the area's top-left corner or
// centred in it; `shift` moves it (a pushed button's face).
void PaintControlImage(HDC hdc, const CRect& area, HANDLE icon, HANDLE bitmap, bool centered,
                       int shift = 0);

// Invalidates a control after a message that may have changed how it looks, so that it
// is painted again with the next WM_PAINT.
class RepaintAfter {
public:
    RepaintAfter(HWND hwnd, UINT message) : m_hwnd(hwnd), m_message(message) {}
    ~RepaintAfter();
    RepaintAfter(const RepaintAfter&) = delete;
    RepaintAfter& operator=(const RepaintAfter&) = delete;

private:
    HWND m_hwnd;
    UINT m_message;
};
