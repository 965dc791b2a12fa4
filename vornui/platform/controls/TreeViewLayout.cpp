// Where the tree view's rows and their parts lie, what a point hits, and scrolling.

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ControlFont.h"
#include "vornui/platform/internal/FontEngine.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/TreeViewWindow.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <algorithm>

namespace {

// The label's text keeps this much space on either side of its highlight.
constexpr int kLabelPadding = 2;
// Between the icon and the label.
constexpr int kIconGap = 3;

CSize ImageSize(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    if (list)
        ImageList_GetIconSize(list, &width, &height);
    return CSize(width, height);
}

// Labels are measured once, with the control's font, when first needed. The font is
// looked up once for all the labels measured together: a branch of many thousand children
// is measured whole when it opens.
class LabelMeasure {
public:
    explicit LabelMeasure(HWND hwnd) : m_hwnd(hwnd) {}

    int Width(TreeItem& item) {
        if (item.labelWidth >= 0)
            return item.labelWidth;
        const FontInstance* font = Font();
        const int text = font ? font->textWidth(item.text.GetString(), item.text.GetLength()) : 0;
        item.labelWidth = text + 2 * kLabelPadding;
        return item.labelWidth;
    }

private:
    // The control's font as a DC would measure with it: the stock GUI font when the
    // control has none, the system font when its handle is dead.
    const FontInstance* Font() {
        if (!m_looked) {
            m_looked = true;
            const auto handle = reinterpret_cast<HGDIOBJ>(SendMessage(m_hwnd, WM_GETFONT, 0, 0));
            m_font =
                LiveGdiObjectOf<FontRecord>(handle ? handle : GetStockObject(DEFAULT_GUI_FONT));
            if (!m_font)
                m_font = LiveGdiObjectOf<FontRecord>(GetStockObject(SYSTEM_FONT));
            m_resolved = m_font ? m_font->resolved() : nullptr;
        }
        return m_resolved;
    }

    HWND m_hwnd;
    bool m_looked = false;
    std::shared_ptr<FontRecord> m_font; // kept alive while measuring
    const FontInstance* m_resolved = nullptr;
};

// Whether a column of buttons and lines comes before the top level's items.
bool HasRootColumn(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    return (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS)) != 0;
}

// The left edge of an item's own parts: one indent per level, and one more for the
// buttons and lines at the root.
int ItemStart(const TreeViewData& data, const TreeItem& item, bool rootColumn) {
    return (item.level + (rootColumn ? 1 : 0)) * data.indent - data.scrollX;
}

int StateImageOf(const TreeItem& item) {
    return static_cast<int>((item.state & TVIS_STATEIMAGEMASK) >> 12);
}

TreeItemGeometry Geometry(HWND hwnd, const TreeViewData& data, TreeItem& item, int row,
                          LabelMeasure& measure) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int height = ItemHeight(data);
    TreeItemGeometry geometry;
    geometry.row =
        CRect(0, (row - data.topRow) * height, client.right, (row - data.topRow + 1) * height);
    int x = ItemStart(data, item, HasRootColumn(hwnd));
    if ((StyleOf(hwnd) & TVS_HASBUTTONS) && item.HasChildIndicator() &&
        x + data.scrollX >= data.indent)
        geometry.button = CRect(x - data.indent, geometry.row.top, x, geometry.row.bottom);
    const auto place = [&](CRect& rect, int width) {
        rect = CRect(x, geometry.row.top, x + width, geometry.row.bottom);
        x += width;
    };
    if (data.stateImages && StateImageOf(item) > 0)
        place(geometry.stateIcon, ImageSize(data.stateImages).cx);
    else
        geometry.stateIcon = CRect(x, geometry.row.top, x, geometry.row.bottom);
    if (data.normalImages) {
        place(geometry.icon, ImageSize(data.normalImages).cx);
        x += kIconGap;
    } else {
        geometry.icon = CRect(x, geometry.row.top, x, geometry.row.bottom);
    }
    place(geometry.label, measure.Width(item));
    return geometry;
}

void SetScrollBar(HWND hwnd, int bar, int max, int page, int pos) {
    const SCROLLINFO info{sizeof(SCROLLINFO),
                          SIF_RANGE | SIF_PAGE | SIF_POS,
                          0,
                          max,
                          static_cast<UINT>(std::max(0, page)),
                          pos,
                          0};
    SetScrollInfo(hwnd, bar, &info, TRUE);
}

// The widest row's right edge, unscrolled.
int ContentWidth(HWND hwnd, TreeViewData& data, const std::vector<TreeItem*>& rows) {
    LabelMeasure measure(hwnd);
    const bool rootColumn = HasRootColumn(hwnd);
    int widest = 0;
    for (TreeItem* item : rows)
        widest = std::max(widest,
                          ItemStart(data, *item, rootColumn) + data.scrollX + measure.Width(*item));
    if (data.normalImages)
        widest += ImageSize(data.normalImages).cx + kIconGap;
    return widest;
}

void SetScrollBars(HWND hwnd, TreeViewData& data) {
    const std::vector<TreeItem*>& rows = data.items.Rows();
    const DWORD style = StyleOf(hwnd);
    if (style & TVS_NOSCROLL)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int count = static_cast<int>(rows.size());
    const int page = PageRows(hwnd, data);
    ShowScrollBar(hwnd, SB_VERT, count > page);
    SetScrollBar(hwnd, SB_VERT, std::max(0, count - 1), page, data.topRow);
    if (style & TVS_NOHSCROLL)
        return;
    const int width = ContentWidth(hwnd, data, rows);
    ShowScrollBar(hwnd, SB_HORZ, width > client.right);
    data.scrollX = std::clamp(data.scrollX, 0, std::max(0, width - static_cast<int>(client.right)));
    SetScrollBar(hwnd, SB_HORZ, std::max(0, width - 1), client.right, data.scrollX);
}

} // namespace

int ItemHeight(const TreeViewData& data) {
    if (data.itemHeight > 0)
        return data.itemHeight;
    return std::max({ControlFontMetrics().height + 3,
                     static_cast<int>(ImageSize(data.normalImages).cy),
                     static_cast<int>(ImageSize(data.stateImages).cy)});
}

int PageRows(HWND hwnd, const TreeViewData& data) {
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, static_cast<int>(client.bottom) / ItemHeight(data));
}

void UpdateLayout(HWND hwnd, TreeViewData& data) {
    // Showing or hiding a scroll bar resizes the client area, which lays out again.
    if (!data.items.RowsChanged() || data.layingOut)
        return;
    data.layingOut = true;
    const std::vector<TreeItem*>& rows = data.items.Rows();
    if (data.top && data.items.RowOf(*data.top) >= 0)
        data.topRow = data.top->row;
    const int count = static_cast<int>(rows.size());
    data.topRow = std::clamp(data.topRow, 0, std::max(0, count - PageRows(hwnd, data)));
    data.top = count ? rows[static_cast<size_t>(data.topRow)] : nullptr;
    if (data.redraw)
        SetScrollBars(hwnd, data);
    data.layingOut = false;
}

TreeItemGeometry GeometryOf(HWND hwnd, TreeViewData& data, TreeItem& item, int row) {
    LabelMeasure measure(hwnd);
    return Geometry(hwnd, data, item, row, measure);
}

TreeItem* HitTest(HWND hwnd, TreeViewData& data, POINT point, UINT& flags) {
    UpdateLayout(hwnd, data);
    RECT client;
    GetClientRect(hwnd, &client);
    flags = 0;
    if (point.y < 0)
        flags |= TVHT_ABOVE;
    if (point.y >= client.bottom)
        flags |= TVHT_BELOW;
    if (point.x < 0)
        flags |= TVHT_TOLEFT;
    if (point.x >= client.right)
        flags |= TVHT_TORIGHT;
    if (flags)
        return nullptr;
    const std::vector<TreeItem*>& rows = data.items.Rows();
    const int row = data.topRow + point.y / ItemHeight(data);
    if (row >= static_cast<int>(rows.size())) {
        flags = TVHT_NOWHERE;
        return nullptr;
    }
    TreeItem* item = rows[static_cast<size_t>(row)];
    const TreeItemGeometry geometry = GeometryOf(hwnd, data, *item, row);
    if (geometry.button.PtInRect(point))
        flags = TVHT_ONITEMBUTTON;
    else if (point.x < geometry.stateIcon.left)
        flags = TVHT_ONITEMINDENT;
    else if (geometry.stateIcon.PtInRect(point))
        flags = TVHT_ONITEMSTATEICON;
    else if (geometry.icon.PtInRect(point))
        flags = TVHT_ONITEMICON;
    else if (point.x < geometry.label.right)
        flags = TVHT_ONITEMLABEL;
    else
        flags = TVHT_ONITEMRIGHT;
    return item;
}

void InvalidateItem(HWND hwnd, TreeViewData& data, TreeItem& item) {
    if (!data.redraw)
        return;
    if (data.items.RowsChanged()) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    const int row = data.items.RowOf(item);
    if (row < data.topRow || row > data.topRow + PageRows(hwnd, data))
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int height = ItemHeight(data);
    const RECT rect{0, (row - data.topRow) * height, client.right,
                    (row - data.topRow + 1) * height};
    InvalidateRect(hwnd, &rect, TRUE);
}

void ScrollToRow(HWND hwnd, TreeViewData& data, int row) {
    UpdateLayout(hwnd, data);
    const std::vector<TreeItem*>& rows = data.items.Rows();
    const int count = static_cast<int>(rows.size());
    const int top = std::clamp(row, 0, std::max(0, count - PageRows(hwnd, data)));
    data.top = count ? rows[static_cast<size_t>(top)] : nullptr;
    if (top == data.topRow)
        return;
    data.topRow = top;
    if (!data.redraw)
        return;
    SetScrollPos(hwnd, SB_VERT, top, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void EnsureVisible(HWND hwnd, TreeViewData& data, TreeItem& item, bool byUser) {
    std::vector<TreeItem*> closed;
    for (TreeItem* at = item.parent; at && at->level >= 0; at = at->parent)
        if (!at->Expanded())
            closed.push_back(at);
    for (auto at = closed.rbegin(); at != closed.rend(); ++at)
        ExpandItem(hwnd, data, **at, TVE_EXPAND, byUser);
    UpdateLayout(hwnd, data);
    const int row = data.items.RowOf(item);
    if (row < 0)
        return;
    if (row < data.topRow)
        ScrollToRow(hwnd, data, row);
    else if (row >= data.topRow + PageRows(hwnd, data))
        ScrollToRow(hwnd, data, row - PageRows(hwnd, data) + 1);
}
