#pragma once

// Inside the list view: its rows and columns, and the pieces its messages, painting and
// mouse handling share. Columns keep their format and sub-item here; their widths, titles
// and display order live in the header, which the person changes directly.

#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/internal/GapVector.h"
#include "vornui/platform/internal/ListCell.h"
#include "vornui/platform/internal/WindowRecord.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

// A row's sub-items (sub-item 1 at slot 0). The first two live in the row itself: a report
// of up to three columns, the common one, makes no allocation per row, neither when the row
// comes nor when it goes, and reads its cells in order. Further ones are rare, and kept
// behind one pointer so that the common row stays small.
class ListSubItems {
public:
    // The cell at `slot`, or null when none was made that far; an inline cell never given a
    // text reads as unset, as one never made would.
    const ListCell* find(size_t slot) const {
        if (slot < kInline)
            return &m_inline[slot];
        return m_more && slot - kInline < m_more->size() ? &(*m_more)[slot - kInline] : nullptr;
    }
    // The cell at `slot`, made (with every one before it) when missing.
    ListCell& make(size_t slot) {
        if (slot < kInline)
            return m_inline[slot];
        if (!m_more)
            m_more = std::make_unique<std::vector<ListCell>>();
        if (m_more->size() <= slot - kInline)
            m_more->resize(slot - kInline + 1);
        return (*m_more)[slot - kInline];
    }

private:
    static constexpr size_t kInline = 2;
    std::array<ListCell, kInline> m_inline;
    std::unique_ptr<std::vector<ListCell>> m_more;
};

// Ordered so that the row packs into 80 bytes: a million rows are 80 MB to fill and to sort.
struct ListRow {
    ListCell label;
    LPARAM param = 0;
    int image = 0;
    UINT state = 0;
    int indent = 0;
    ListSubItems subItems;
};
static_assert(sizeof(ListRow) <= 80);

struct ListColumn {
    int format = LVCFMT_LEFT;
    int subItem = 0;
    int image = -1;
};

enum class ListGesture { none, pressed, dragged };

struct ListViewData : ControlData {
    GapVector<ListRow> rows;
    std::vector<ListColumn> columns;
    HWND header = nullptr;
    HIMAGELIST images[3] = {};
    HIMAGELIST ownCheckBoxes = nullptr; // made for LVS_EX_CHECKBOXES, destroyed with the list
    DWORD extended = 0;
    COLORREF background;
    COLORREF text;
    COLORREF textBackground;
    int top = 0;     // first row shown
    int scrollX = 0; // pixels the columns are scrolled left
    int anchor = -1; // where Shift ranges start (the selection mark)
    ListGesture gesture = ListGesture::none;
    int pressedItem = -1;
    int pressedSubItem = 0;
    POINT pressedAt{};
    UINT pressedKeys = 0;
    bool focused = false;
    // Off between WM_SETREDRAW FALSE and TRUE: the scroll bars wait for it to come back on.
    bool redraw = true;
    // The list erased its own background in the painting under way: cells of that colour
    // are painted already.
    bool erasedForPaint = false;

    ListViewData();
    int Count() const { return static_cast<int>(rows.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    ListRow& Row(int index) { return rows[static_cast<size_t>(index)]; }
    const ListRow& Row(int index) const { return rows[static_cast<size_t>(index)]; }
};

// Geometry (ListViewLayout.cpp).
int ListRowHeight(const ListViewData& data);
int ListHeaderHeight(const ListViewData& data);
// Rows that fit the client area below the header (at least 1).
int ListRowsPerPage(HWND hwnd, const ListViewData& data);
int ListColumnCount(const ListViewData& data);
int ListColumnWidth(const ListViewData& data, int column);
std::vector<int> ListColumnOrder(const ListViewData& data);
int ListTotalWidth(const ListViewData& data);
// Where each column lies across the client area (by column index), all found in one pass.
struct ListColumnSpan {
    int left;
    int right;
};
std::vector<ListColumnSpan> ListColumnSpans(const ListViewData& data);
// Where row `row` shows its state image, small icon and label within its column-0 `cell`.
struct ListFirstColumnParts {
    CRect state;
    CRect icon;
    CRect label;
};
ListFirstColumnParts ListPartsOf(const ListViewData& data, const ListRow& row, const CRect& cell);
// Column `column`'s cell in row `index` (the row may lie outside the client area).
CRect ListCellRect(HWND hwnd, const ListViewData& data, int index, int column);
// LVM_GETITEMRECT and LVM_GETSUBITEMRECT: FALSE for a bad index or area code.
bool ListItemRect(HWND hwnd, const ListViewData& data, int index, int column, int area, RECT& rect);
// Where row `index` shows its state image (empty without a state image list).
bool ListStateIconRect(HWND hwnd, const ListViewData& data, int index, RECT& rect);
int ListHitTest(HWND hwnd, const ListViewData& data, LVHITTESTINFO& info, bool subItems);
// Nothing while redrawing is off: WM_SETREDRAW brings them up to date.
void ListUpdateScrollBars(HWND hwnd, ListViewData& data);
// Rows were added or removed: the scroll bars and the whole list need updating, unless
// redrawing is off.
void ListRowsChanged(HWND hwnd, ListViewData& data);
void ListSetTop(HWND hwnd, ListViewData& data, int top);
void ListScrollHorizontally(HWND hwnd, ListViewData& data, int scrollX);
void ListEnsureVisible(HWND hwnd, ListViewData& data, int index);
// Puts the header above the rows, scrolled with them.
void ListPlaceHeader(HWND hwnd, const ListViewData& data);
// The cell of row `index` for `subItem`; null when the row has none. A sub-item never set,
// of a row whose label is a callback, is a callback too.
const ListCell* ListCellOf(const ListViewData& data, int index, int subItem);
// The text of a cell, asking the parent for callback texts.
CString ListCellText(HWND hwnd, const ListViewData& data, int index, int subItem);
// Asks the parent for the callback text of an existing row's cell, handing it `buffer` of
// `size` (at least 1) characters; the text the parent points to, which may lie elsewhere.
const char* ListAskCellText(HWND hwnd, const ListViewData& data, int index, int subItem,
                            LPSTR buffer, int size);
int ListTextWidth(HWND hwnd, const char* text);
// The same measured in `dc` (a painting's), the list's font selected meanwhile.
int ListTextWidth(HWND hwnd, HDC dc, const char* text);

// Items (ListViewItems.cpp).
// Changes the states of row `index` (-1: every row), telling the parent before and after;
// false when the parent refuses.
bool ListSetState(HWND hwnd, ListViewData& data, int index, UINT state, UINT mask);
LRESULT ListNotify(HWND hwnd, UINT code, int item, int subItem = 0, UINT newState = 0,
                   UINT oldState = 0, UINT changed = 0, POINT action = {}, LPARAM param = 0);
int ListInsertItem(HWND hwnd, ListViewData& data, const LVITEM& item);
bool ListDeleteItem(HWND hwnd, ListViewData& data, int index);
bool ListDeleteAll(HWND hwnd, ListViewData& data);
bool ListGetItem(HWND hwnd, const ListViewData& data, LVITEM& item);
bool ListSetItem(HWND hwnd, ListViewData& data, const LVITEM& item);
// LVM_GETITEMTEXT: the length copied.
int ListItemText(HWND hwnd, const ListViewData& data, int index, LVITEM& item);
int ListNextItem(const ListViewData& data, int start, UINT flags);
int ListFindItem(HWND hwnd, const ListViewData& data, int start, const LVFINDINFO& find);

// Sorting (ListViewSort.cpp).
// Sorts the rows stably by `compare`, which gets their item data and `extra`.
bool ListSortItems(HWND hwnd, ListViewData& data, PFNLVCOMPARE compare, LPARAM extra);

// Painting (ListViewPaint.cpp).
void ListPaint(HWND hwnd, ListViewData& data);
void ListEraseBackground(HWND hwnd, ListViewData& data, HDC dc);
// Nothing while redrawing is off.
void ListInvalidateRow(HWND hwnd, const ListViewData& data, int index);

// The person (ListViewInput.cpp); none when the message is not one of input.
bool ListInput(HWND hwnd, ListViewData& data, UINT message, WPARAM wParam, LPARAM lParam,
               LRESULT& result);
