#include "vornui/platform/Themes.h"

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/SystemColors.h"
#include "vornui/platform/internal/TextPieces.h"

#include <algorithm>
#include <string_view>

struct ThemeRecord {
    CString className;
};

namespace {

bool g_visualStyles = true;

// The style draws parts of the scroll bar only.
bool KnownClass(std::string_view name) {
    return CompareNoCase1252(name, "SCROLLBAR") == 0;
}

void Dot(HDC hdc, int x, int y, HBRUSH brush) {
    const CRect dot(x, y, x + 2, y + 2);
    FillRect(hdc, &dot, brush);
}

// The styled size box: six square dots stacked into a triangle in the bottom-right corner,
// each with a light dot below and right of it.
void PaintSizeBox(HDC hdc, const CRect& rect) {
    const ControlPalette palette = SystemControlPalette();
    HBRUSH light = CreateSolidBrush(palette.highlight);
    HBRUSH dark = CreateSolidBrush(palette.shadow);
    for (int row = 0; row < 3; ++row) {
        for (int column = 2 - row; column < 3; ++column) {
            const int x = rect.right - 11 + 4 * column;
            const int y = rect.bottom - 11 + 4 * row;
            Dot(hdc, x + 1, y + 1, light);
            Dot(hdc, x, y, dark);
        }
    }
    DeleteObject(dark);
    DeleteObject(light);
}

} // namespace

HTHEME OpenThemeData(HWND hwnd, LPCTSTR classList) {
    if (!g_visualStyles || !classList || !IsWindow(hwnd))
        return nullptr;
    for (const std::string_view entry : SplitTrimmed(classList, ';'))
        if (KnownClass(entry))
            return new ThemeRecord{CString(entry)};
    return nullptr;
}

HRESULT CloseThemeData(HTHEME theme) {
    delete theme;
    return S_OK;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC hdc, int partId, int stateId, const RECT* rect,
                            const RECT* clip) {
    if (!theme || !rect || !LiveDC(hdc))
        return E_INVALIDARG;
    if (!KnownClass(theme->className.GetString()) || partId != SBP_SIZEBOX ||
        stateId < SZB_RIGHTALIGN || stateId > SZB_HALFTOPLEFTALIGN)
        return E_NOTIMPL;
    const int saved = SaveDC(hdc);
    if (clip)
        IntersectClipRect(hdc, clip->left, clip->top, clip->right, clip->bottom);
    IntersectClipRect(hdc, rect->left, rect->top, rect->right, rect->bottom);
    PaintSizeBox(hdc, CRect(rect));
    RestoreDC(hdc, saved);
    return S_OK;
}

BOOL IsThemeActive() {
    return g_visualStyles ? TRUE : FALSE;
}

void SetVisualStylesEnabled(BOOL enabled) {
    g_visualStyles = enabled != FALSE;
}
