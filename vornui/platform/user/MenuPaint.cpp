#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/MenuRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kPopupPadding = 2; // above the first and below the last item
constexpr int kTextGap = 6;      // between the check column and the label
constexpr int kAcceleratorGap = 24;
constexpr int kArrowColumn = 16;   // right of the text: the submenu arrow
constexpr int kBarItemPadding = 7; // left and right of a menu bar item's text

struct ItemTexts {
    CString label;
    CString accelerator; // what follows a tab
};

ItemTexts Split(const CString& text) {
    const int tab = text.Find('\t');
    if (tab < 0)
        return {text, CString()};
    return {text.Left(tab), text.Mid(tab + 1)};
}

int TextWidth(HDC hdc, const CString& text) {
    if (text.IsEmpty())
        return 0;
    RECT rect{0, 0, 0, 0};
    DrawText(hdc, text, text.GetLength(), &rect, DT_SINGLELINE | DT_CALCRECT);
    return rect.right - rect.left;
}

int ItemHeight(HDC hdc) {
    TEXTMETRIC metrics{};
    GetTextMetrics(hdc, &metrics);
    return std::max<int>(metrics.tmHeight + 6, GetSystemMetrics(SM_CYMENUCHECK) + 4);
}

int CheckColumn() {
    return GetSystemMetrics(SM_CXMENUCHECK) + 4;
}

class FontInDC {
public:
    explicit FontInDC(HDC hdc) : m_hdc(hdc), m_previous(SelectObject(hdc, MenuFont())) {}
    ~FontInDC() { SelectObject(m_hdc, m_previous); }
    FontInDC(const FontInDC&) = delete;
    FontInDC& operator=(const FontInDC&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_previous;
};

void PaintCheckMark(HDC hdc, const CRect& column, bool radio, COLORREF color) {
    const CPoint centre = column.CenterPoint();
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HBRUSH brush = CreateSolidBrush(color);
    const HGDIOBJ oldPen = SelectObject(hdc, pen);
    const HGDIOBJ oldBrush = SelectObject(hdc, brush);
    if (radio) {
        Ellipse(hdc, centre.x - 3, centre.y - 3, centre.x + 4, centre.y + 4);
    } else {
        // A tick two pixels thick: down to the right, then up to the right.
        for (int thickness = 0; thickness < 2; ++thickness) {
            const POINT tick[] = {{centre.x - 4, centre.y - 1 + thickness},
                                  {centre.x - 2, centre.y + 1 + thickness},
                                  {centre.x + 3, centre.y - 4 + thickness}};
            Polyline(hdc, tick, 3);
        }
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void PaintSubMenuArrow(HDC hdc, const CRect& item, COLORREF color) {
    const int x = item.right - kArrowColumn / 2 - 2;
    const int y = item.CenterPoint().y;
    const POINT arrow[] = {{x, y - 4}, {x + 4, y}, {x, y + 4}};
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HBRUSH brush = CreateSolidBrush(color);
    const HGDIOBJ oldPen = SelectObject(hdc, pen);
    const HGDIOBJ oldBrush = SelectObject(hdc, brush);
    Polygon(hdc, arrow, 3);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// The label and the accelerator; greyed text is embossed as the system draws it.
void PaintItemText(HDC hdc, const MenuItemRecord& item, CRect area, bool inBar, bool hot) {
    const ItemTexts texts = Split(item.text);
    const bool greyed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    const UINT format = DT_SINGLELINE | DT_VCENTER | (inBar ? DT_CENTER : DT_LEFT);
    const auto draw = [&](const CRect& rect, COLORREF color) {
        SetTextColor(hdc, color);
        CRect label(rect);
        DrawText(hdc, texts.label, texts.label.GetLength(), &label, format);
        CRect accelerator(rect);
        DrawText(hdc, texts.accelerator, texts.accelerator.GetLength(), &accelerator,
                 DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (greyed && !hot) {
        CRect shadow(area);
        shadow.OffsetRect(1, 1);
        draw(shadow, GetSysColor(COLOR_3DHILIGHT));
        draw(area, GetSysColor(COLOR_3DSHADOW));
        return;
    }
    draw(area, GetSysColor(greyed ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
}

} // namespace

HFONT MenuFont() {
    static const HFONT font = [] {
        LOGFONT log{};
        log.lfHeight = -12;
        log.lfWeight = FW_NORMAL;
        std::strncpy(log.lfFaceName, "Segoe UI", LF_FACESIZE - 1);
        return CreateFontIndirect(&log);
    }();
    return font;
}

CSize LayOutPopupItems(HDC hdc, MenuTag& menu) {
    const FontInDC font(hdc);
    const int itemHeight = ItemHeight(hdc);
    int labelWidth = 0;
    int acceleratorWidth = 0;
    for (const MenuItemRecord& item : menu.items) {
        const ItemTexts texts = Split(item.text);
        labelWidth = std::max(labelWidth, TextWidth(hdc, texts.label));
        acceleratorWidth = std::max(acceleratorWidth, TextWidth(hdc, texts.accelerator));
    }
    const int width = CheckColumn() + kTextGap + labelWidth +
                      (acceleratorWidth ? kAcceleratorGap + acceleratorWidth : 0) + kArrowColumn;
    int top = kPopupPadding;
    for (MenuItemRecord& item : menu.items) {
        const int height = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : itemHeight;
        item.rect = CRect(0, top, width, top + height);
        top += height;
    }
    return CSize(width, top + kPopupPadding);
}

void LayOutMenuBarItems(HDC hdc, MenuTag& menu, const CRect& bar) {
    const FontInDC font(hdc);
    int left = bar.left;
    for (MenuItemRecord& item : menu.items) {
        const int width = TextWidth(hdc, Split(item.text).label) + 2 * kBarItemPadding;
        item.rect = CRect(left, bar.top, left + width, bar.bottom);
        left += width;
    }
}

void PaintMenuItem(HDC hdc, const MenuItemRecord& item, bool inBar, bool hot) {
    const FontInDC font(hdc);
    const CRect& rect = item.rect;
    FillRect(hdc, &rect, GetSysColorBrush(hot ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.flags & MF_SEPARATOR) {
        CRect line(rect.left + 1, rect.CenterPoint().y - 1, rect.right - 1, rect.bottom);
        DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(hdc, TRANSPARENT);
    if (inBar) {
        PaintItemText(hdc, item, rect, true, hot);
        return;
    }
    const COLORREF ink = GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const CRect column(rect.left, rect.top, rect.left + CheckColumn(), rect.bottom);
    if (item.flags & MF_CHECKED)
        PaintCheckMark(hdc, column, (item.flags & MFT_RADIOCHECK) != 0, ink);
    if (item.subMenu)
        PaintSubMenuArrow(hdc, rect, ink);
    const CRect text(column.right + kTextGap, rect.top, rect.right - kArrowColumn, rect.bottom);
    PaintItemText(hdc, item, text, false, hot);
}
