// How the tree view looks: rows of labels with their buttons, lines, check boxes and
// icons; an item whose state says selected is highlighted, the caret of a focused tree
// framed; the parent may take part through NM_CUSTOMDRAW.

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/internal/CustomDraw.h"
#include "vornui/platform/internal/TreeViewWindow.h"
#include "vornui/platform/internal/WindowInternals.h"

namespace {

constexpr int kButtonSize = 9;
constexpr int kCheckSize = 13;
constexpr int kStateImageSize = 16;

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// The square with a plus or a minus that opens or closes a branch.
void PaintButton(HDC dc, const CRect& area, bool expanded) {
    const CPoint centre = area.CenterPoint();
    const CRect box(centre.x - kButtonSize / 2, centre.y - kButtonSize / 2,
                    centre.x + kButtonSize / 2 + 1, centre.y + kButtonSize / 2 + 1);
    FillSolid(dc, box, GetSysColor(COLOR_WINDOW));
    HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    Line(dc, box.left + 2, centre.y, box.right - 2, centre.y);
    if (!expanded)
        Line(dc, centre.x, box.top + 2, centre.x, box.bottom - 2);
}

// The lines from an item to its parent and on to its next sibling.
void PaintLines(HDC dc, const TreeViewData& data, const TreeItem& item, const CRect& row,
                int start) {
    const int middle = (row.top + row.bottom) / 2;
    const int x = start - data.indent / 2;
    Line(dc, x, middle, start, middle);
    Line(dc, x, item.prev || item.level > 0 ? row.top : middle, x, item.next ? row.bottom : middle);
    int column = x - data.indent;
    for (const TreeItem* at = item.parent; at && at->level >= 0; at = at->parent) {
        if (at->next)
            Line(dc, column, row.top, column, row.bottom);
        column -= data.indent;
    }
}

UINT DrawState(HWND hwnd, const TreeViewData& data, const TreeItem& item, bool focused) {
    UINT state = 0;
    if ((item.state & (TVIS_SELECTED | TVIS_DROPHILITED)) &&
        (focused || (StyleOf(hwnd) & TVS_SHOWSELALWAYS) || (item.state & TVIS_DROPHILITED)))
        state |= CDIS_SELECTED;
    if (focused && &item == data.caret)
        state |= CDIS_FOCUS;
    return state;
}

void PaintItem(HWND hwnd, TreeViewData& data, HDC dc, TreeItem& item, int row, bool focused,
               CustomDraw<NMTVCUSTOMDRAW>& draw) {
    const TreeItemGeometry geometry = GeometryOf(hwnd, data, item, row);
    const UINT state = DrawState(hwnd, data, item, focused);
    const bool highlighted = (state & CDIS_SELECTED) != 0;
    NMTVCUSTOMDRAW record =
        draw.item(reinterpret_cast<DWORD_PTR>(item.handle), state, item.param, geometry.row);
    const COLORREF text =
        data.textColor == CLR_NONE ? GetSysColor(COLOR_WINDOWTEXT) : data.textColor;
    const COLORREF face = focused ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_BTNFACE);
    record.clrText = highlighted ? (focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text) : text;
    record.clrTextBk = highlighted ? face : CLR_NONE;
    record.iLevel = item.level;
    CustomDraw<NMTVCUSTOMDRAW>::Item stage(draw, record, CDDS_ITEM);
    if (stage.skipped())
        return;
    const DWORD style = StyleOf(hwnd);
    if (style & TVS_HASLINES)
        PaintLines(dc, data, item, geometry.row, geometry.stateIcon.left);
    if (!geometry.button.IsRectEmpty())
        PaintButton(dc, geometry.button, item.Expanded());
    const int top = geometry.row.top;
    if (data.stateImages && geometry.stateIcon.Width() > 0)
        ImageList_Draw(data.stateImages, static_cast<int>((item.state & TVIS_STATEIMAGEMASK) >> 12),
                       dc, geometry.stateIcon.left, top, ILD_TRANSPARENT);
    if (data.normalImages) {
        const bool selected = (item.state & TVIS_SELECTED) != 0;
        ImageList_Draw(data.normalImages, selected ? item.selectedImage : item.image, dc,
                       geometry.icon.left, top, ILD_TRANSPARENT);
    }
    if (record.clrTextBk != CLR_NONE)
        FillSolid(dc, geometry.label, record.clrTextBk);
    SetTextColor(dc, record.clrText);
    CRect label = geometry.label;
    DrawText(dc, item.text.GetString(), item.text.GetLength(), &label,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (state & CDIS_FOCUS)
        DrawFocusRect(dc, &geometry.label);
}

} // namespace

void PaintTreeView(HWND hwnd, TreeViewData& data) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    UpdateLayout(hwnd, data);
    RECT client;
    GetClientRect(hwnd, &client);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    SetBkMode(dc, TRANSPARENT);
    FillSolid(dc, client,
              data.background == CLR_NONE ? GetSysColor(COLOR_WINDOW) : data.background);
    {
        CustomDraw<NMTVCUSTOMDRAW> draw(hwnd, dc, client);
        if (!draw.skipsAll()) {
            const bool focused = GetFocus() == hwnd;
            const std::vector<TreeItem*>& rows = data.items.Rows();
            const int last = data.topRow + PageRows(hwnd, data) + 1;
            for (int row = data.topRow; row < last && row < static_cast<int>(rows.size()); ++row)
                PaintItem(hwnd, data, dc, *rows[static_cast<size_t>(row)], row, focused, draw);
        }
    }
    DeleteObject(SelectObject(dc, oldPen));
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &paint);
}

HIMAGELIST MakeCheckBoxImages() {
    HIMAGELIST list =
        ImageList_Create(kStateImageSize, kStateImageSize, ILC_COLOR32 | ILC_MASK, 3, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, 3 * kStateImageSize, kStateImageSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    const COLORREF transparent = RGB(255, 0, 255);
    FillSolid(dc, RECT{0, 0, 3 * kStateImageSize, kStateImageSize}, transparent);
    HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
    for (int image = 1; image <= 2; ++image) {
        const int left = image * kStateImageSize + (kStateImageSize - kCheckSize) / 2;
        const int top = (kStateImageSize - kCheckSize) / 2;
        const RECT box{left, top, left + kCheckSize, top + kCheckSize};
        FillSolid(dc, box, GetSysColor(COLOR_WINDOW));
        HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
        FrameRect(dc, &box, frame);
        DeleteObject(frame);
        if (image == 2) {
            const POINT tick[] = {{left + 3, top + 6}, {left + 5, top + 9}, {left + 10, top + 3}};
            Polyline(dc, tick, 3);
            const POINT thick[] = {{left + 3, top + 7}, {left + 5, top + 10}, {left + 10, top + 4}};
            Polyline(dc, thick, 3);
        }
    }
    DeleteObject(SelectObject(dc, oldPen));
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list, strip, transparent);
    DeleteObject(strip);
    return list;
}
