#include "vornui/platform/internal/ControlPainting.h"

#include "vornui/platform/Blits.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Text.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kTextGap = 4;

// The check mark of a check box, 7 × 7 pixels.
constexpr const char* kCheckMark[] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

void Fill(HDC hdc, const CRect& rect, COLORREF color) {
    const COLORREF previous = SetBkColor(hdc, color);
    ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(hdc, previous);
}

void Frame3d(HDC hdc, const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    Fill(hdc, CRect(rect.left, rect.top, rect.right - 1, rect.top + 1), topLeft);
    Fill(hdc, CRect(rect.left, rect.top, rect.left + 1, rect.bottom - 1), topLeft);
    Fill(hdc, CRect(rect.right - 1, rect.top, rect.right, rect.bottom), bottomRight);
    Fill(hdc, CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), bottomRight);
}

// Labels are drawn in their colour over what is already there; the DC's own settings come back
// afterwards.
class LabelInk {
public:
    LabelInk(HDC hdc, COLORREF color)
        : m_hdc(hdc), m_mode(SetBkMode(hdc, TRANSPARENT)), m_color(SetTextColor(hdc, color)) {}
    ~LabelInk() {
        SetTextColor(m_hdc, m_color);
        SetBkMode(m_hdc, m_mode);
    }
    LabelInk(const LabelInk&) = delete;
    LabelInk& operator=(const LabelInk&) = delete;

private:
    HDC m_hdc;
    int m_mode;
    COLORREF m_color;
};

int DrawLabel(HDC hdc, std::string_view text, CRect rect, UINT format, COLORREF color) {
    const LabelInk ink(hdc, color);
    const std::string copy(text);
    return DrawText(hdc, copy.c_str(), static_cast<int>(copy.size()), &rect, format);
}

// A one-line label centred in `rect`'s height whose tabs move it on to `stops`.
void DrawTabbedLabel(HDC hdc, std::string_view text, const CRect& rect,
                     const std::vector<int>& stops, COLORREF color) {
    const LabelInk ink(hdc, color);
    TEXTMETRIC metrics{};
    GetTextMetrics(hdc, &metrics);
    TabbedTextOut(hdc, rect.left, rect.top + (rect.Height() - metrics.tmHeight) / 2, text.data(),
                  static_cast<int>(text.size()), static_cast<int>(stops.size()), stops.data(),
                  rect.left);
}

// Where a label lands, so the focus rectangle can go around it.
CRect LabelBounds(HDC hdc, std::string_view text, const CRect& area, UINT format) {
    CRect measured(area);
    const std::string copy(text);
    const int height = DrawText(hdc, copy.c_str(), static_cast<int>(copy.size()), &measured,
                                (format & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int width = std::min<int>(measured.Width(), area.Width());
    int left = area.left;
    if (format & DT_CENTER)
        left = area.left + (area.Width() - width) / 2;
    else if (format & DT_RIGHT)
        left = area.right - width;
    int top = area.top;
    if (format & DT_VCENTER)
        top = area.top + (area.Height() - height) / 2;
    return CRect(left, top, left + width, top + height);
}

void PaintCheckMark(HDC hdc, int left, int top, COLORREF color) {
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (kCheckMark[y][x] == 'X')
                SetPixelV(hdc, left + x, top + y, color);
}

void PaintRadioCircle(HDC hdc, const CRect& box, bool checked, bool enabled,
                      const ControlPalette& palette) {
    HPEN pen = CreatePen(PS_SOLID, 1, palette.shadow);
    HBRUSH brush = CreateSolidBrush(enabled ? palette.window : palette.face);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    Ellipse(hdc, box.left, box.top, box.right, box.bottom);
    if (checked) {
        SelectObject(hdc, GetStockObject(NULL_PEN));
        HBRUSH dot = CreateSolidBrush(enabled ? palette.windowText : palette.grayText);
        SelectObject(hdc, dot);
        const CPoint centre = box.CenterPoint();
        Ellipse(hdc, centre.x - 2, centre.y - 2, centre.x + 3, centre.y + 3);
        SelectObject(hdc, brush);
        DeleteObject(dot);
    }
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

} // namespace

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

void PaintEdge(HDC hdc, RECT* rect, UINT edge, UINT flags, const ControlPalette& palette) {
    CRect area(rect);
    auto ring = [&](COLORREF topLeft, COLORREF bottomRight) {
        if (flags & BF_TOP)
            Fill(hdc, CRect(area.left, area.top, area.right - 1, area.top + 1), topLeft);
        if (flags & BF_LEFT)
            Fill(hdc, CRect(area.left, area.top, area.left + 1, area.bottom - 1), topLeft);
        if (flags & BF_RIGHT)
            Fill(hdc, CRect(area.right - 1, area.top, area.right, area.bottom), bottomRight);
        if (flags & BF_BOTTOM)
            Fill(hdc, CRect(area.left, area.bottom - 1, area.right, area.bottom), bottomRight);
        area.DeflateRect((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0,
                         (flags & BF_RIGHT) ? 1 : 0, (flags & BF_BOTTOM) ? 1 : 0);
    };
    const bool flat = flags & (BF_FLAT | BF_MONO);
    const COLORREF flatColor = (flags & BF_MONO) ? palette.windowText : palette.shadow;
    if (edge & BDR_OUTER) {
        if (flat)
            ring(flatColor, flatColor);
        else if (edge & BDR_RAISEDOUTER)
            ring(palette.light, palette.darkShadow);
        else
            ring(palette.shadow, palette.highlight);
    }
    if (edge & BDR_INNER) {
        if (flat)
            ring(palette.face, palette.face);
        else if (edge & BDR_RAISEDINNER)
            ring(palette.highlight, palette.shadow);
        else
            ring(palette.darkShadow, palette.light);
    }
    if ((flags & BF_MIDDLE) && !area.IsRectEmpty())
        Fill(hdc, area, (flags & BF_MONO) ? palette.window : palette.face);
    if (flags & BF_ADJUST)
        *rect = area;
}

void PaintPushButton(HDC hdc, const CRect& client, std::string_view text, const ButtonLook& look,
                     const ControlPalette& palette) {
    CRect rect(client);
    Fill(hdc, rect, palette.face);
    if (look.isDefault) {
        Frame3d(hdc, rect, palette.frame, palette.frame);
        rect.DeflateRect(1, 1);
    }
    if (look.pushed)
        PaintEdge(hdc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_ADJUST, palette);
    else
        PaintEdge(hdc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST, palette);
    CRect label(rect);
    if (look.pushed)
        label.OffsetRect(1, 1);
    const UINT format = DT_CENTER | DT_VCENTER | (look.multiline ? DT_WORDBREAK : DT_SINGLELINE);
    DrawLabel(hdc, text, label, format, look.enabled ? palette.buttonText : palette.grayText);
    if (look.focused) {
        CRect focus(rect);
        focus.DeflateRect(2, 2);
        DrawFocusRect(hdc, &focus);
    }
}

void PaintCheckButton(HDC hdc, const CRect& client, std::string_view text, const ButtonLook& look,
                      bool radio, const ControlPalette& palette) {
    const int top = client.top + (client.Height() - kCheckBoxSize) / 2;
    const int boxLeft = look.textOnLeft ? client.right - kCheckBoxSize : client.left;
    const CRect box(boxLeft, top, boxLeft + kCheckBoxSize, top + kCheckBoxSize);
    if (radio) {
        PaintRadioCircle(hdc, box, look.check != 0, look.enabled, palette);
    } else {
        CRect inner(box);
        PaintEdge(hdc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST, palette);
        Fill(hdc, inner, look.enabled && !look.pushed ? palette.window : palette.face);
        if (look.check != 0)
            PaintCheckMark(hdc, inner.left + 1, inner.top + 1,
                           look.check == 1 && look.enabled ? palette.windowText : palette.grayText);
    }
    CRect label(client);
    if (look.textOnLeft)
        label.right = box.left - kTextGap;
    else
        label.left = box.right + kTextGap;
    const UINT format = (look.multiline ? DT_WORDBREAK : DT_SINGLELINE) | DT_VCENTER |
                        (look.textOnLeft ? DT_RIGHT : DT_LEFT);
    DrawLabel(hdc, text, label, format, look.enabled ? palette.buttonText : palette.grayText);
    if (look.focused && !text.empty()) {
        CRect focus = LabelBounds(hdc, text, label, format);
        focus.InflateRect(1, 1);
        DrawFocusRect(hdc, &focus);
    }
}

void PaintGroupBox(HDC hdc, const CRect& client, std::string_view text, bool enabled,
                   const ControlPalette& palette) {
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);
    CRect frame(client);
    frame.top += tm.tmHeight / 2;
    PaintEdge(hdc, &frame, EDGE_ETCHED, BF_RECT, palette);
    if (text.empty())
        return;
    const CRect area(client.left + 8, client.top, client.right - 8, client.top + tm.tmHeight);
    CRect label = LabelBounds(hdc, text, area, DT_SINGLELINE | DT_LEFT);
    label.InflateRect(2, 0);
    Fill(hdc, label, palette.face);
    DrawLabel(hdc, text, area, DT_SINGLELINE | DT_LEFT,
              enabled ? palette.buttonText : palette.grayText);
}

void PaintStaticText(HDC hdc, const CRect& client, std::string_view text, UINT format, bool enabled,
                     COLORREF color, const ControlPalette& palette) {
    if (!enabled) {
        // Disabled text is embossed: white, then grey one pixel up and left.
        CRect shifted(client);
        shifted.OffsetRect(1, 1);
        DrawLabel(hdc, text, shifted, format, palette.highlight);
        DrawLabel(hdc, text, client, format, palette.grayText);
        return;
    }
    DrawLabel(hdc, text, client, format, color);
}

void PaintEditText(HDC hdc, const CRect& client, std::string_view text, const EditLook& look,
                   const ControlPalette& palette) {
    Fill(hdc, client, look.editable ? palette.window : palette.face);
    CRect area(client);
    area.DeflateRect(1, 1);
    const UINT format = look.multiline
                            ? DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | look.alignment
                            : DT_SINGLELINE | DT_NOPREFIX | look.alignment;
    DrawLabel(hdc, text, area, format, palette.windowText);
    const int start = std::clamp(std::min(look.selectionStart, look.selectionEnd), 0,
                                 static_cast<int>(text.size()));
    const int end = std::clamp(std::max(look.selectionStart, look.selectionEnd), 0,
                               static_cast<int>(text.size()));
    if (!look.showSelection || start == end || look.multiline)
        return;
    SIZE before{}, selected{}, whole{};
    GetTextExtentPoint32(hdc, text.data(), start, &before);
    GetTextExtentPoint32(hdc, text.data() + start, end - start, &selected);
    GetTextExtentPoint32(hdc, text.data(), static_cast<int>(text.size()), &whole);
    int left = area.left;
    if (look.alignment & DT_CENTER)
        left = area.left + (area.Width() - whole.cx) / 2;
    else if (look.alignment & DT_RIGHT)
        left = area.right - whole.cx;
    const CRect band(left + before.cx, area.top, left + before.cx + selected.cx,
                     area.top + selected.cy);
    Fill(hdc, band & area, palette.selection);
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, band.left, band.top, band.right, band.bottom);
    DrawLabel(hdc, text, area, format, palette.selectionText);
    RestoreDC(hdc, saved);
}

void PaintListItems(HDC hdc, const CRect& client, const std::vector<std::string_view>& items,
                    const ListLook& look, const ControlPalette& palette) {
    Fill(hdc, client, palette.window);
    const int height = std::max(look.itemHeight, 1);
    int top = client.top;
    for (int index = std::max(look.topIndex, 0);
         index < static_cast<int>(items.size()) && top < client.bottom; ++index, top += height) {
        const CRect row(client.left, top, client.right, top + height);
        const bool selected =
            index < static_cast<int>(look.selected.size()) && look.selected[index];
        if (selected)
            Fill(hdc, row, palette.selection);
        CRect label(row);
        label.left += 2 - look.scrollX;
        const COLORREF color = selected ? palette.selectionText : palette.windowText;
        if (look.expandTabs)
            DrawTabbedLabel(hdc, items[index], label, look.tabStops, color);
        else
            DrawLabel(hdc, items[index], label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, color);
        if (look.focused && index == look.caret)
            DrawFocusRect(hdc, &row);
    }
}

CRect PaintComboBox(HDC hdc, const CRect& client, std::string_view text, bool enabled, bool focused,
                    const ControlPalette& palette) {
    CRect rect(client);
    PaintEdge(hdc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST, palette);
    Fill(hdc, rect, enabled ? palette.window : palette.face);
    const int buttonWidth = std::min<int>(rect.Height(), 17);
    CRect button(rect.right - buttonWidth, rect.top, rect.right, rect.bottom);
    CRect face(button);
    PaintEdge(hdc, &face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST, palette);
    // The arrow: a small triangle pointing down, centred on the button.
    const CPoint centre = face.CenterPoint();
    for (int row = 0; row < 4; ++row)
        Fill(hdc, CRect(centre.x - 3 + row, centre.y - 1 + row, centre.x + 4 - row, centre.y + row),
             enabled ? palette.buttonText : palette.grayText);
    CRect field(rect.left, rect.top, button.left, rect.bottom);
    field.DeflateRect(1, 1);
    if (focused) {
        Fill(hdc, field, palette.selection);
        DrawFocusRect(hdc, &field);
    }
    CRect label(field);
    label.left += 2;
    DrawLabel(hdc, text, label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
              !enabled  ? palette.grayText
              : focused ? palette.selectionText
                        : palette.windowText);
    return field;
}
