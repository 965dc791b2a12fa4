// The list view's items: inserting, reading, changing, deleting and finding them,
// with the notifications the parent gets about each.

#include "vornui/platform/internal/ListViewData.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// `buffer` holds at least one character.
void CopyText(std::string_view text, LPSTR buffer, int size) {
    const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memmove(buffer, text.data(), length);
    buffer[length] = '\0';
}

// A stored text is copied as it lies; only a callback text is asked for, into the reader's
// own buffer, so that it is cut where the reader's room ends and not before.
void CopyCellText(HWND hwnd, const ListViewData& data, int index, int subItem, LPSTR buffer,
                  int size) {
    if (!buffer || buffer == LPSTR_TEXTCALLBACK || size <= 0)
        return;
    const ListCell* const cell = ListCellOf(data, index, subItem);
    if (!cell)
        buffer[0] = '\0';
    else if (!cell->callback())
        CopyText(cell->view(), buffer, size);
    else {
        const char* const text = ListAskCellText(hwnd, data, index, subItem, buffer, size);
        CopyText(std::string_view(text, strnlen(text, static_cast<size_t>(size - 1))), buffer,
                 size);
    }
}

void SetCellText(ListRow& row, int subItem, LPCSTR text) {
    ListCell& cell = subItem == 0 ? row.label : row.subItems.make(static_cast<size_t>(subItem - 1));
    if (text == LPSTR_TEXTCALLBACK)
        cell.SetCallback();
    else
        cell.SetText(text ? text : "");
}

// Changes the states of one row, as the parent allows.
bool ChangeOne(HWND hwnd, ListViewData& data, int index, UINT state, UINT mask) {
    ListRow& row = data.Row(index);
    const UINT old = row.state;
    const UINT changed = (old & ~mask) | (state & mask);
    if (changed == old)
        return true;
    if (ListNotify(hwnd, LVN_ITEMCHANGING, index, 0, changed, old, LVIF_STATE, {}, row.param))
        return false;
    row.state = changed;
    ListInvalidateRow(hwnd, data, index);
    ListNotify(hwnd, LVN_ITEMCHANGED, index, 0, changed, old, LVIF_STATE, {}, row.param);
    return true;
}

} // namespace

LRESULT ListNotify(HWND hwnd, UINT code, int item, int subItem, UINT newState, UINT oldState,
                   UINT changed, POINT action, LPARAM param) {
    NMLISTVIEW notice{{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code},
                      item,
                      subItem,
                      newState,
                      oldState,
                      changed,
                      action,
                      param};
    return SendMessage(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom,
                       reinterpret_cast<LPARAM>(&notice));
}

bool ListSetState(HWND hwnd, ListViewData& data, int index, UINT state, UINT mask) {
    if (index != -1 && !data.Valid(index))
        return false;
    const bool single = (GetWindowLong(hwnd, GWL_STYLE) & LVS_SINGLESEL) != 0;
    // Only one row has the focus, and a single-selection list only one selected row.
    UINT exclusive = (mask & state & LVIS_FOCUSED);
    if (single)
        exclusive |= mask & state & LVIS_SELECTED;
    if (index >= 0 && exclusive) {
        for (int each = 0; each < data.Count(); ++each)
            if (each != index && (data.Row(each).state & exclusive))
                ChangeOne(hwnd, data, each, 0, exclusive);
    }
    if (index >= 0)
        return ChangeOne(hwnd, data, index, state, mask);
    if (single)
        mask &= ~(state & LVIS_SELECTED);
    mask &= ~(state & LVIS_FOCUSED);
    bool all = true;
    for (int each = 0; each < data.Count(); ++each)
        all = ChangeOne(hwnd, data, each, state, mask) && all;
    return all;
}

int ListInsertItem(HWND hwnd, ListViewData& data, const LVITEM& item) {
    if (item.iSubItem != 0)
        return -1;
    const int index = std::clamp(item.iItem, 0, data.Count());
    // Filled where it lies: a list of a million rows writes each once.
    ListRow& row = data.rows.emplace(static_cast<size_t>(index));
    if (item.mask & LVIF_TEXT)
        SetCellText(row, 0, item.pszText);
    if (item.mask & LVIF_IMAGE)
        row.image = item.iImage;
    if (item.mask & LVIF_PARAM)
        row.param = item.lParam;
    if (item.mask & LVIF_INDENT)
        row.indent = std::max(0, item.iIndent);
    if (item.mask & LVIF_STATE)
        row.state = item.state & item.stateMask & ~LVIS_FOCUSED;
    if ((data.extended & LVS_EX_CHECKBOXES) && !(row.state & LVIS_STATEIMAGEMASK))
        row.state |= INDEXTOSTATEIMAGEMASK(1);
    if (data.anchor >= index)
        ++data.anchor;
    ListRowsChanged(hwnd, data);
    if ((item.mask & LVIF_STATE) && (item.stateMask & item.state & LVIS_FOCUSED))
        ListSetState(hwnd, data, index, LVIS_FOCUSED, LVIS_FOCUSED);
    ListNotify(hwnd, LVN_INSERTITEM, index, 0, 0, 0, 0, {}, data.Row(index).param);
    return index;
}

bool ListDeleteItem(HWND hwnd, ListViewData& data, int index) {
    if (!data.Valid(index))
        return false;
    ListNotify(hwnd, LVN_DELETEITEM, index, 0, 0, 0, 0, {}, data.Row(index).param);
    if (!data.Valid(index))
        return false;
    data.rows.erase(static_cast<size_t>(index));
    if (data.anchor == index)
        data.anchor = -1;
    else if (data.anchor > index)
        --data.anchor;
    ListRowsChanged(hwnd, data);
    return true;
}

bool ListDeleteAll(HWND hwnd, ListViewData& data) {
    // The parent that answers TRUE does without a notification for each row.
    if (!ListNotify(hwnd, LVN_DELETEALLITEMS, -1))
        for (int each = 0; each < data.Count(); ++each)
            ListNotify(hwnd, LVN_DELETEITEM, each, 0, 0, 0, 0, {}, data.Row(each).param);
    data.rows.clear();
    data.anchor = -1;
    data.top = 0;
    ListRowsChanged(hwnd, data);
    return true;
}

bool ListGetItem(HWND hwnd, const ListViewData& data, LVITEM& item) {
    if (!data.Valid(item.iItem) || item.iSubItem < 0)
        return false;
    const ListRow& row = data.Row(item.iItem);
    if (item.mask & LVIF_TEXT)
        CopyCellText(hwnd, data, item.iItem, item.iSubItem, item.pszText, item.cchTextMax);
    if (item.mask & LVIF_IMAGE)
        item.iImage = row.image;
    if (item.mask & LVIF_PARAM)
        item.lParam = row.param;
    if (item.mask & LVIF_STATE)
        item.state = row.state & item.stateMask;
    if (item.mask & LVIF_INDENT)
        item.iIndent = row.indent;
    return true;
}

bool ListSetItem(HWND hwnd, ListViewData& data, const LVITEM& item) {
    if (!data.Valid(item.iItem) || item.iSubItem < 0)
        return false;
    ListRow& row = data.Row(item.iItem);
    if (item.mask & LVIF_TEXT)
        SetCellText(row, item.iSubItem, item.pszText);
    if (item.iSubItem == 0) {
        if (item.mask & LVIF_IMAGE)
            row.image = item.iImage;
        if (item.mask & LVIF_PARAM)
            row.param = item.lParam;
        if (item.mask & LVIF_INDENT)
            row.indent = std::max(0, item.iIndent);
    }
    ListInvalidateRow(hwnd, data, item.iItem);
    if ((item.mask & LVIF_STATE) && item.iSubItem == 0)
        return ListSetState(hwnd, data, item.iItem, item.state, item.stateMask);
    return true;
}

int ListItemText(HWND hwnd, const ListViewData& data, int index, LVITEM& item) {
    if (!data.Valid(index) || !item.pszText || item.cchTextMax <= 0)
        return 0;
    CopyCellText(hwnd, data, index, item.iSubItem, item.pszText, item.cchTextMax);
    return static_cast<int>(std::strlen(item.pszText));
}

int ListNextItem(const ListViewData& data, int start, UINT flags) {
    UINT wanted = 0;
    if (flags & LVNI_FOCUSED)
        wanted |= LVIS_FOCUSED;
    if (flags & LVNI_SELECTED)
        wanted |= LVIS_SELECTED;
    if (flags & LVNI_CUT)
        wanted |= LVIS_CUT;
    if (flags & LVNI_DROPHILITED)
        wanted |= LVIS_DROPHILITED;
    const int step = (flags & LVNI_ABOVE) ? -1 : 1;
    for (int each = start < 0 && step > 0 ? 0 : start + step; data.Valid(each); each += step)
        if ((data.Row(each).state & wanted) == wanted)
            return each;
    return -1;
}

int ListFindItem(HWND hwnd, const ListViewData& data, int start, const LVFINDINFO& find) {
    const int count = data.Count();
    if (count == 0)
        return -1;
    const int first = start < 0 ? 0 : start + 1;
    const int span = (find.flags & LVFI_WRAP) ? count : count - std::min(first, count);
    const size_t prefix = find.psz ? std::strlen(find.psz) : 0;
    for (int step = 0; step < span; ++step) {
        const int each = (first + step) % count;
        if (find.flags & LVFI_PARAM) {
            if (data.Row(each).param == find.lParam)
                return each;
            continue;
        }
        if (!find.psz)
            return -1;
        const CString text = ListCellText(hwnd, data, each, 0);
        const bool partial = (find.flags & LVFI_PARTIAL) != 0;
        if (partial ? strncasecmp(text.GetString(), find.psz, prefix) == 0
                    : text.CompareNoCase(find.psz) == 0)
            return each;
    }
    return -1;
}
