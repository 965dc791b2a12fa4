// Where the list view's rows, cells and their parts lie; the hit tests use the same
// rectangles as the painting.

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/WindowScrolling.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/ControlPaintDC.h"
#include "vornui/platform/internal/ListViewData.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// The gap left of the state image, and the padding around a label's text.
constexpr int kStateInset = 4;
constexpr int kLabelPadding = 2;

SIZE ImageSize(HIMAGELIST images) {
    int width = 0;
    int height = 0;
    if (images)
        ImageList_GetIconSize(images, &width, &height);
    return SIZE{width, height};
}

// The header's column widths (by index) and display order, asked once for a rectangle.
struct ColumnGeometry {
    std::vector<int> widths;
    std::vector<int> order;

    explicit ColumnGeometry(const ListViewData& data) : order(ListColumnOrder(data)) {
        widths.reserve(data.columns.size());
        for (int column = 0; column < ListColumnCount(data); ++column)
            widths.push_back(ListColumnWidth(data, column));
    }

    int Width(int column) const {
        return column >= 0 && static_cast<size_t>(column) < widths.size()
                   ? widths[static_cast<size_t>(column)]
                   : 0;
    }
    int Total() const { return std::accumulate(widths.begin(), widths.end(), 0); }
    // Where `column` starts, the columns displayed before it scrolled by `scrollX`; after them
    // all when the order lacks it.
    int Left(int column, int scrollX) const {
        int left = -scrollX;
        for (const int each : order) {
            if (each == column)
                return left;
            left += Width(each);
        }
        return left;
    }
};

CRect CellRect(const ListViewData& data, const ColumnGeometry& columns, int index, int column) {
    const int height = ListRowHeight(data);
    const int top = ListHeaderHeight(data) + (index - data.top) * height;
    const int left = columns.Left(column, data.scrollX);
    return CRect(left, top, left + columns.Width(column), top + height);
}

// The bars' ranges: rows down, pixels across.
void SetScrollRanges(HWND hwnd, const ListViewData& data, int clientWidth) {
    SCROLLINFO vertical{sizeof vertical,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        std::max(0, data.Count() - 1),
                        static_cast<UINT>(ListRowsPerPage(hwnd, data)),
                        data.top,
                        0};
    SetScrollInfo(hwnd, SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal{sizeof horizontal,
                          SIF_RANGE | SIF_PAGE | SIF_POS,
                          0,
                          std::max(0, ListTotalWidth(data) - 1),
                          static_cast<UINT>(clientWidth),
                          data.scrollX,
                          0};
    SetScrollInfo(hwnd, SB_HORZ, &horizontal, TRUE);
}

} // namespace

ListFirstColumnParts ListPartsOf(const ListViewData& data, const ListRow& row, const CRect& cell) {
    const SIZE small = ImageSize(data.images[LVSIL_SMALL]);
    const SIZE state = ImageSize(data.images[LVSIL_STATE]);
    ListFirstColumnParts parts;
    int x = cell.left + row.indent * (small.cx ? small.cx : 16);
    if (state.cx) {
        parts.state = CRect(x + kStateInset, cell.top, x + kStateInset + state.cx, cell.bottom);
        x = parts.state.right;
    } else {
        parts.state = CRect(x, cell.top, x, cell.bottom);
    }
    parts.icon = CRect(x, cell.top, x + small.cx, cell.bottom);
    parts.label =
        CRect(parts.icon.right, cell.top, std::max(parts.icon.right, cell.right), cell.bottom);
    return parts;
}

int ListRowHeight(const ListViewData& data) {
    const SIZE small = ImageSize(data.images[LVSIL_SMALL]);
    const SIZE state = ImageSize(data.images[LVSIL_STATE]);
    return std::max(
        {ControlFontMetrics().height + 3, static_cast<int>(small.cy), static_cast<int>(state.cy)});
}

int ListHeaderHeight(const ListViewData& data) {
    if (!data.header || !IsWindowVisible(data.header))
        return 0;
    RECT rect;
    GetWindowRect(data.header, &rect);
    return rect.bottom - rect.top;
}

int ListRowsPerPage(HWND hwnd, const ListViewData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, (client.bottom - ListHeaderHeight(data)) / ListRowHeight(data));
}

int ListColumnCount(const ListViewData& data) {
    return static_cast<int>(data.columns.size());
}

int ListColumnWidth(const ListViewData& data, int column) {
    HDITEM item{};
    item.mask = HDI_WIDTH;
    return SendMessage(data.header, HDM_GETITEM, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&item))
               ? item.cxy
               : 0;
}

std::vector<int> ListColumnOrder(const ListViewData& data) {
    std::vector<int> order(data.columns.size());
    if (!order.empty())
        SendMessage(data.header, HDM_GETORDERARRAY, order.size(),
                    reinterpret_cast<LPARAM>(order.data()));
    return order;
}

int ListTotalWidth(const ListViewData& data) {
    int total = 0;
    for (int column = 0; column < ListColumnCount(data); ++column)
        total += ListColumnWidth(data, column);
    return total;
}

std::vector<ListColumnSpan> ListColumnSpans(const ListViewData& data) {
    std::vector<ListColumnSpan> spans(data.columns.size());
    int left = -data.scrollX;
    for (const int each : ListColumnOrder(data)) {
        const int right = left + ListColumnWidth(data, each);
        if (each >= 0 && static_cast<size_t>(each) < spans.size())
            spans[static_cast<size_t>(each)] = ListColumnSpan{left, right};
        left = right;
    }
    return spans;
}

CRect ListCellRect(HWND, const ListViewData& data, int index, int column) {
    return CellRect(data, ColumnGeometry(data), index, column);
}

bool ListItemRect(HWND, const ListViewData& data, int index, int column, int area, RECT& rect) {
    if (!data.Valid(index) || column < 0 || (column > 0 && column >= ListColumnCount(data)))
        return false;
    const ColumnGeometry columns(data);
    const CRect cell = CellRect(data, columns, index, column);
    const CRect row(-data.scrollX, cell.top, columns.Total() - data.scrollX, cell.bottom);
    if (data.columns.empty()) {
        rect = row;
        return area >= LVIR_BOUNDS && area <= LVIR_SELECTBOUNDS;
    }
    if (column > 0) {
        switch (area) {
        case LVIR_BOUNDS:
        case LVIR_LABEL:
        case LVIR_SELECTBOUNDS:
            rect = cell;
            return true;
        case LVIR_ICON:
            rect = CRect(cell.left, cell.top, cell.left, cell.bottom);
            return true;
        default:
            return false;
        }
    }
    const ListFirstColumnParts parts = ListPartsOf(data, data.Row(index), cell);
    switch (area) {
    case LVIR_BOUNDS:
        rect = row;
        return true;
    case LVIR_ICON:
        rect = parts.icon;
        return true;
    case LVIR_LABEL:
        rect = parts.label;
        return true;
    case LVIR_SELECTBOUNDS:
        rect = (data.extended & LVS_EX_FULLROWSELECT)
                   ? row
                   : CRect(parts.state.left, cell.top, parts.label.right, cell.bottom);
        return true;
    default:
        return false;
    }
}

bool ListStateIconRect(HWND hwnd, const ListViewData& data, int index, RECT& rect) {
    if (!data.Valid(index))
        return false;
    rect = ListPartsOf(data, data.Row(index), ListCellRect(hwnd, data, index, 0)).state;
    return true;
}

int ListHitTest(HWND hwnd, const ListViewData& data, LVHITTESTINFO& info, bool subItems) {
    RECT client;
    GetClientRect(hwnd, &client);
    info.flags = 0;
    info.iItem = -1;
    info.iSubItem = 0;
    const POINT pt = info.pt;
    if (pt.y < 0)
        info.flags |= LVHT_ABOVE;
    if (pt.y >= client.bottom)
        info.flags |= LVHT_BELOW;
    if (pt.x < 0)
        info.flags |= LVHT_TOLEFT;
    if (pt.x >= client.right)
        info.flags |= LVHT_TORIGHT;
    if (info.flags)
        return -1;
    const int headerHeight = ListHeaderHeight(data);
    const int index =
        pt.y < headerHeight ? -1 : data.top + (pt.y - headerHeight) / ListRowHeight(data);
    if (!data.Valid(index)) {
        info.flags = LVHT_NOWHERE;
        return -1;
    }
    int column = -1;
    const std::vector<ListColumnSpan> spans = ListColumnSpans(data);
    for (int each = 0; each < ListColumnCount(data); ++each)
        if (pt.x >= spans[static_cast<size_t>(each)].left &&
            pt.x < spans[static_cast<size_t>(each)].right)
            column = each;
    if (subItems)
        info.iSubItem = column < 0 ? -1 : column;
    const CRect cell0 = ListCellRect(hwnd, data, index, 0);
    const ListRow& row = data.Row(index);
    const ListFirstColumnParts parts = ListPartsOf(data, row, cell0);
    const bool inColumn0 = column == 0 || data.columns.empty();
    // Without full-row selection a label is hit only over its text.
    const int textRight = parts.label.left +
                          ListTextWidth(hwnd, ListCellText(hwnd, data, index, 0)) +
                          2 * kLabelPadding;
    if (inColumn0 && parts.state.Width() && parts.state.PtInRect(pt))
        info.flags = LVHT_ONITEMSTATEICON;
    else if (inColumn0 && parts.icon.Width() && parts.icon.PtInRect(pt))
        info.flags = LVHT_ONITEMICON;
    else if (inColumn0 && pt.x >= parts.label.left &&
             pt.x < std::min<int>(textRight, parts.label.right))
        info.flags = LVHT_ONITEMLABEL;
    else if (column >= 0 && ((data.extended & LVS_EX_FULLROWSELECT) ||
                             (GetWindowLong(hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED)))
        info.flags = LVHT_ONITEMLABEL; // a row its owner draws is hit anywhere
    else
        info.flags = LVHT_NOWHERE;
    info.iItem = index;
    return info.flags & LVHT_ONITEM ? index : (subItems ? index : -1);
}

void ListUpdateScrollBars(HWND hwnd, ListViewData& data) {
    if (!data.redraw) {
        // A run of changes with redrawing off sets the bars once, when it is switched on.
        data.top = std::clamp(data.top, 0, std::max(0, data.Count() - ListRowsPerPage(hwnd, data)));
        return;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    const int page = ListRowsPerPage(hwnd, data);
    const int total = ListTotalWidth(data);
    const bool noScroll = (GetWindowLong(hwnd, GWL_STYLE) & LVS_NOSCROLL) != 0;
    ShowScrollBar(hwnd, SB_VERT, !noScroll && data.Count() > page);
    ShowScrollBar(hwnd, SB_HORZ, !noScroll && total > client.right);
    GetClientRect(hwnd, &client);
    data.top = std::clamp(data.top, 0, std::max(0, data.Count() - ListRowsPerPage(hwnd, data)));
    data.scrollX = std::clamp(data.scrollX, 0, std::max(0, total - static_cast<int>(client.right)));
    if (!noScroll) // a range would bring the bars back
        SetScrollRanges(hwnd, data, client.right);
    ListPlaceHeader(hwnd, data);
}

void ListRowsChanged(HWND hwnd, ListViewData& data) {
    if (!data.redraw)
        return;
    ListUpdateScrollBars(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ListSetTop(HWND hwnd, ListViewData& data, int top) {
    const int previous = data.top;
    data.top = std::clamp(top, 0, std::max(0, data.Count() - ListRowsPerPage(hwnd, data)));
    if (data.top != previous)
        InvalidateRect(hwnd, nullptr, TRUE);
    ListUpdateScrollBars(hwnd, data);
}

void ListScrollHorizontally(HWND hwnd, ListViewData& data, int scrollX) {
    const int previous = data.scrollX;
    data.scrollX = std::max(0, scrollX);
    ListUpdateScrollBars(hwnd, data);
    if (data.scrollX != previous)
        InvalidateRect(hwnd, nullptr, TRUE);
}

void ListEnsureVisible(HWND hwnd, ListViewData& data, int index) {
    if (!data.Valid(index))
        return;
    const int page = ListRowsPerPage(hwnd, data);
    if (index < data.top)
        ListSetTop(hwnd, data, index);
    else if (index >= data.top + page)
        ListSetTop(hwnd, data, index - page + 1);
}

void ListPlaceHeader(HWND hwnd, const ListViewData& data) {
    if (!data.header)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    RECT area{-data.scrollX, 0, std::max<int>(client.right, ListTotalWidth(data) - data.scrollX),
              client.bottom};
    WINDOWPOS pos{};
    HDLAYOUT layout{&area, &pos};
    SendMessage(data.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    const bool hidden = (GetWindowLong(hwnd, GWL_STYLE) & LVS_NOCOLUMNHEADER) != 0;
    SetWindowPos(data.header, nullptr, pos.x, pos.y, pos.cx + data.scrollX, pos.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (hidden ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
}

const ListCell* ListCellOf(const ListViewData& data, int index, int subItem) {
    if (!data.Valid(index) || subItem < 0)
        return nullptr;
    const ListRow& row = data.Row(index);
    if (subItem == 0)
        return &row.label;
    // As in Windows, a row that leaves its label to the parent leaves it the columns it was
    // given nothing for: a list of callback rows needs one insert per row and no more.
    static const ListCell asked = ListCell::Callback();
    const ListCell* const cell = row.subItems.find(static_cast<size_t>(subItem - 1));
    if ((!cell || cell->unset()) && row.label.callback())
        return &asked;
    return cell;
}

const char* ListAskCellText(HWND hwnd, const ListViewData& data, int index, int subItem,
                            LPSTR buffer, int size) {
    buffer[0] = '\0';
    NMLVDISPINFO info{{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), LVN_GETDISPINFO},
                      {LVIF_TEXT, index, subItem, 0, 0, buffer, size, 0, data.Row(index).param, 0}};
    SendMessage(GetParent(hwnd), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    if (!info.item.pszText || info.item.pszText == LPSTR_TEXTCALLBACK)
        return "";
    return info.item.pszText;
}

CString ListCellText(HWND hwnd, const ListViewData& data, int index, int subItem) {
    const ListCell* const cell = ListCellOf(data, index, subItem);
    if (!cell)
        return CString();
    if (!cell->callback())
        return CString(cell->view());
    char buffer[260];
    const char* const text =
        ListAskCellText(hwnd, data, index, subItem, buffer, static_cast<int>(sizeof buffer));
    return CString(text, static_cast<int>(strnlen(text, sizeof buffer - 1)));
}

int ListTextWidth(HWND hwnd, const char* text) {
    const HDC dc = GetDC(hwnd);
    const int width = ListTextWidth(hwnd, dc, text);
    ReleaseDC(hwnd, dc);
    return width;
}

int ListTextWidth(HWND hwnd, HDC dc, const char* text) {
    const ControlFontScope font(hwnd, dc);
    SIZE size{};
    GetTextExtentPoint32(dc, text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
}
