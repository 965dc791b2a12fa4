// How the list view paints its report: each visible row by its parent (owner drawing) or
// by itself, cell by cell, with the parent's custom drawing at each stage it asks for.

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/CustomDraw.h"
#include "vornui/platform/internal/ListViewData.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kLabelTextInset = 2;
constexpr int kSubItemTextInset = 6;

using ListCustomDraw = CustomDraw<NMLVCUSTOMDRAW>;

void FillBox(HDC dc, const RECT& rect, COLORREF color) {
    if (color == CLR_NONE || rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

UINT AlignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

bool ShowsSelection(HWND hwnd, const ListViewData& data) {
    return data.focused || (GetWindowLong(hwnd, GWL_STYLE) & LVS_SHOWSELALWAYS);
}

struct RowLook {
    bool highlighted; // drawn in the selection colours
    COLORREF highlight;
    COLORREF highlightText;
};

RowLook LookOf(HWND hwnd, const ListViewData& data, const ListRow& row) {
    const bool selected = (row.state & (LVIS_SELECTED | LVIS_DROPHILITED)) != 0;
    const bool showing = ShowsSelection(hwnd, data) || (row.state & LVIS_DROPHILITED);
    return RowLook{selected && showing,
                   data.focused || (row.state & LVIS_DROPHILITED) ? GetSysColor(COLOR_HIGHLIGHT)
                                                                  : GetSysColor(COLOR_BTNFACE),
                   data.focused || (row.state & LVIS_DROPHILITED) ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                                  : GetSysColor(COLOR_BTNTEXT)};
}

void DrawImages(HDC dc, const ListViewData& data, const ListRow& row, const RECT& state,
                const RECT& icon, const RECT& cell) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    const int stateImage = static_cast<int>((row.state & LVIS_STATEIMAGEMASK) >> 12);
    int width = 0;
    int height = 0;
    if (data.images[LVSIL_STATE] && stateImage > 0 &&
        ImageList_GetIconSize(data.images[LVSIL_STATE], &width, &height))
        ImageList_Draw(data.images[LVSIL_STATE], stateImage - 1, dc, state.left,
                       state.top + (state.bottom - state.top - height) / 2, ILD_TRANSPARENT);
    if (data.images[LVSIL_SMALL] && row.image >= 0 &&
        ImageList_GetIconSize(data.images[LVSIL_SMALL], &width, &height))
        ImageList_Draw(data.images[LVSIL_SMALL], row.image, dc, icon.left,
                       icon.top + (icon.bottom - icon.top - height) / 2,
                       ILD_TRANSPARENT | (row.state & LVIS_OVERLAYMASK));
    RestoreDC(dc, saved);
}

// One cell as the list paints it by itself, in the colours the record carries. Its
// background is filled unless the erasing of this painting left it in that colour already.
void PaintCell(HWND hwnd, const ListViewData& data, int index, int column, const CRect& cell,
               HDC dc, const NMLVCUSTOMDRAW& record, const RowLook& look) {
    const ListRow& row = data.Row(index);
    const ListColumn& own = data.columns[static_cast<size_t>(column)];
    const bool fullRow = (data.extended & LVS_EX_FULLROWSELECT) != 0;
    const COLORREF back = record.clrTextBk == CLR_DEFAULT ? data.background : record.clrTextBk;
    const bool lit = look.highlighted && (fullRow || column == 0);
    const bool focus = column == 0 && data.focused && (row.state & LVIS_FOCUSED);
    const CString value = ListCellText(hwnd, data, index, own.subItem);
    CRect text = cell;
    CRect highlight = cell;
    // Column 0 shows the images and the label beside them.
    const ListFirstColumnParts parts =
        column == 0 ? ListPartsOf(data, row, cell) : ListFirstColumnParts{};
    if (column == 0) {
        const CRect& label = parts.label;
        text = label;
        text.DeflateRect(kLabelTextInset, 0);
        // Without full-row selection the label's highlight hugs its text.
        if (!fullRow && (lit || focus))
            highlight = CRect(label.left, cell.top,
                              std::min<int>(label.right, label.left + 2 * kLabelTextInset +
                                                             ListTextWidth(hwnd, dc, value)),
                              cell.bottom);
    } else {
        text.DeflateRect(kSubItemTextInset, 0);
    }
    const bool litWhole = lit && highlight == cell;
    if (!litWhole && !(data.erasedForPaint && back == data.background))
        FillBox(dc, cell, back);
    if (lit)
        FillBox(dc, highlight, look.highlight);
    // The images stand on the row's background, the highlight of a full row included.
    if (column == 0)
        DrawImages(dc, data, row, parts.state, parts.icon, cell);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, lit ? look.highlightText
                         : (record.clrText == CLR_DEFAULT ? data.text : record.clrText));
    DrawText(dc, value.GetString(), value.GetLength(), &text,
             AlignmentOf(own.format) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (focus) {
        const RECT outline = fullRow ? CRect(-data.scrollX, cell.top,
                                             ListTotalWidth(data) - data.scrollX, cell.bottom)
                                     : highlight;
        DrawFocusRect(dc, &outline);
    }
}

// Where the rows lie across the client area, found once for a painting.
struct RowsLayout {
    std::vector<ListColumnSpan> spans; // by column index
    int headerHeight;
    int rowHeight;
    int totalWidth;

    explicit RowsLayout(const ListViewData& data)
        : spans(ListColumnSpans(data)), headerHeight(ListHeaderHeight(data)),
          rowHeight(ListRowHeight(data)),
          totalWidth(std::accumulate(spans.begin(), spans.end(), 0,
                                     [](int total, const ListColumnSpan& span) {
                                         return total + span.right - span.left;
                                     })) {}

    // Row `index`'s bounds, as LVIR_BOUNDS gives them.
    CRect Bounds(const ListViewData& data, int index) const {
        const int top = headerHeight + (index - data.top) * rowHeight;
        return CRect(-data.scrollX, top, totalWidth - data.scrollX, top + rowHeight);
    }
};

// Only the cells that reach into `area` are painted, and told to the parent.
void PaintRowByItself(HWND hwnd, const ListViewData& data, int index, HDC dc, ListCustomDraw& draw,
                      const RowsLayout& layout, const RECT& area) {
    const ListRow& row = data.Row(index);
    const RECT bounds = layout.Bounds(data, index);
    const std::vector<ListColumnSpan>& spans = layout.spans;
    UINT state = 0;
    if (row.state & LVIS_SELECTED)
        state |= CDIS_SELECTED;
    if ((row.state & LVIS_FOCUSED) && data.focused)
        state |= CDIS_FOCUS;
    NMLVCUSTOMDRAW record = draw.item(static_cast<DWORD_PTR>(index), state, row.param, bounds);
    record.clrText = data.text;
    record.clrTextBk = data.textBackground == CLR_DEFAULT ? data.background : data.textBackground;
    const COLORREF defaultText = record.clrText;
    const COLORREF defaultBack = record.clrTextBk;
    const RowLook look = LookOf(hwnd, data, row);
    ListCustomDraw::Item item(draw, record, CDDS_ITEM);
    if (item.skipped())
        return;
    for (const int column : ListColumnOrder(data)) {
        const ListColumnSpan span = spans[static_cast<size_t>(column)];
        if (span.right <= area.left || span.left >= area.right)
            continue;
        NMLVCUSTOMDRAW cell = record;
        cell.iSubItem = column;
        cell.dwItemType = LVCDI_ITEM;
        // A sub-item starts from the item's colours when the parent does not set its own.
        if (item.notifiesSubitems()) {
            cell.clrText = defaultText;
            cell.clrTextBk = defaultBack;
        }
        ListCustomDraw::Item sub(draw, cell, CDDS_ITEM | CDDS_SUBITEM, item.notifiesSubitems());
        if (!sub.skipped())
            PaintCell(hwnd, data, index, column,
                      CRect(span.left, bounds.top, span.right, bounds.bottom), dc, cell, look);
    }
}

void PaintRowByOwner(HWND hwnd, const ListViewData& data, int index, HDC dc) {
    const ListRow& row = data.Row(index);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTVIEW;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    if (row.state & LVIS_SELECTED)
        item.itemState |= ODS_SELECTED;
    if ((row.state & LVIS_FOCUSED) && data.focused)
        item.itemState |= ODS_FOCUS;
    item.hwndItem = hwnd;
    item.hDC = dc;
    ListItemRect(hwnd, data, index, 0, LVIR_BOUNDS, item.rcItem);
    item.itemData = static_cast<ULONG_PTR>(row.param);
    const int saved = SaveDC(dc);
    SendMessage(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(dc, saved);
}

void PaintGridLines(HWND hwnd, const ListViewData& data, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    const COLORREF color = GetSysColor(COLOR_BTNFACE);
    const int top = ListHeaderHeight(data);
    const int height = ListRowHeight(data);
    for (int y = top + height - 1; y < client.bottom; y += height)
        FillBox(dc, RECT{0, y, client.right, y + 1}, color);
    int x = -data.scrollX;
    for (const int column : ListColumnOrder(data)) {
        x += ListColumnWidth(data, column);
        FillBox(dc, RECT{x - 1, top, x, client.bottom}, color);
    }
}

} // namespace

void ListEraseBackground(HWND hwnd, ListViewData& data, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillBox(dc, client, data.background);
    data.erasedForPaint = data.background != CLR_NONE;
}

void ListPaint(HWND hwnd, ListViewData& data) {
    // Only an erasing that BeginPaint asks for covers what this painting paints.
    data.erasedForPaint = false;
    const ControlPaintDC paint(hwnd);
    const HDC dc = paint.dc();
    RECT client;
    GetClientRect(hwnd, &client);
    ListCustomDraw draw(hwnd, dc, client);
    if (draw.skipsAll())
        return;
    const bool byOwner = (GetWindowLong(hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED) != 0;
    const RowsLayout layout(data);
    const int top = layout.headerHeight;
    const int height = layout.rowHeight;
    const RECT& area = paint.area();
    const int first = data.top + std::max(0, static_cast<int>(area.top) - top) / height;
    const int last = data.top + std::max(0, static_cast<int>(area.bottom) - top - 1) / height;
    for (int index = first; index <= last && data.Valid(index); ++index) {
        if (byOwner)
            PaintRowByOwner(hwnd, data, index, dc);
        else if (!data.columns.empty())
            PaintRowByItself(hwnd, data, index, dc, draw, layout, area);
    }
    if ((data.extended & LVS_EX_GRIDLINES) && !byOwner)
        PaintGridLines(hwnd, data, dc);
}

void ListInvalidateRow(HWND hwnd, const ListViewData& data, int index) {
    if (!data.redraw)
        return;
    RECT bounds;
    if (!ListItemRect(hwnd, data, index, 0, LVIR_BOUNDS, bounds))
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    bounds.left = 0;
    bounds.right = client.right;
    if (bounds.bottom > 0 && bounds.top < client.bottom)
        InvalidateRect(hwnd, &bounds, TRUE);
}
