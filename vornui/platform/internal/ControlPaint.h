#pragma once

// What the standard controls share when they paint: the paint DC with the control's font,
// the colours and background brush the parent chooses (WM_CTLCOLOR...), the system's
// palette, and owner drawing through the parent (WM_DRAWITEM).

#include "vornui/platform/WindowDC.h"
#include "vornui/platform/internal/ControlPainting.h"

#define ODT_BUTTON 4
#define ODT_STATIC 5
#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004
#define ODS_SELECTED 0x0001
#define ODS_GRAYED 0x0002
#define ODS_DISABLED 0x0004
#define ODS_CHECKED 0x0008
#define ODS_FOCUS 0x0010
#define ODS_DEFAULT 0x0020

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

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
