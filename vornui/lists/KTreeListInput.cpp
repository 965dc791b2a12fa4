// What the person does to a tree list: clicks on the plus or minus, and the keys that
// open, close and walk the branches.

#include "vornui/lists/KTreeListCtrl.h"
#include "vornui/platform/InputCodes.h"

namespace {

// The indentation of one level, in pixels.
constexpr int kLevelIndent = 16;

} // namespace

BOOL KTreeListCtrl::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code == NM_CLICK) {
        OnClick(header, result);
        return FALSE; // the parent hears of the click too
    }
    return CListCtrl::OnReflectedNotify(header, result);
}

void KTreeListCtrl::OnClick(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
    const int row = click->iItem;
    const int item = ItemOfRow(row);
    if (item < 0 || !m_Items[static_cast<size_t>(item)].m_bExpandable)
        return;
    CRect icon;
    CRect firstColumn;
    if (!GetItemRect(row, &icon, LVIR_ICON) || !GetHeaderCtrl()->GetItemRect(0, &firstColumn))
        return;
    GetHeaderCtrl()->MapWindowPoints(this, &firstColumn);
    // The plus or minus lies between the indentation and the icon.
    const int indentEnd =
        firstColumn.left + m_Items[static_cast<size_t>(item)].m_nLevel * kLevelIndent;
    const int x = click->ptAction.x;
    if (x >= icon.left || x < indentEnd)
        return;
    if (m_Items[static_cast<size_t>(item)].m_bCollapsed)
        ExpandByUser(row, false);
    else
        CollapseByUser(row);
}

void KTreeListCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const int row = SelectedRow();
    const int item = ItemOfRow(row);
    if (item < 0) {
        CListCtrl::OnKeyDown(key, repeat, flags);
        return;
    }
    const tree_list_info& info = m_Items[static_cast<size_t>(item)];
    const bool collapsed = info.m_bCollapsed;
    const bool expandable = info.m_bExpandable;
    switch (key) {
    case VK_LEFT:
        if (collapsed || !expandable) {
            const int parentRow = RowOfItem(ParentOf(item));
            if (parentRow >= 0)
                MoveSelection(row, parentRow);
        } else {
            CollapseByUser(row);
        }
        return;
    case VK_RIGHT: {
        if (collapsed) {
            ExpandByUser(row, false);
            return;
        }
        // The next row is the first child's when the item is open.
        const int next = item + 1;
        if (!collapsed && ItemOfRow(row + 1) == next &&
            m_Items[static_cast<size_t>(next)].m_nLevel > info.m_nLevel)
            MoveSelection(row, row + 1);
        return;
    }
    case VK_ADD:
        if (collapsed)
            ExpandByUser(row, false);
        return;
    case VK_SUBTRACT:
        if (expandable && !collapsed)
            CollapseByUser(row);
        return;
    default:
        CListCtrl::OnKeyDown(key, repeat, flags);
    }
}

void KTreeListCtrl::OnChar(UINT ch, UINT repeat, UINT flags) {
    const int row = SelectedRow();
    const int item = ItemOfRow(row);
    if (ch == '*' && item >= 0 && m_Items[static_cast<size_t>(item)].m_bCollapsed)
        ExpandByUser(row, true);
    CListCtrl::OnChar(ch, repeat, flags);
}

int KTreeListCtrl::SelectedRow() const {
    return GetNextItem(-1, LVNI_SELECTED);
}

void KTreeListCtrl::MoveSelection(int from, int to) {
    SetItemState(from, 0, LVIS_SELECTED);
    SetItemState(to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(to, FALSE);
}

void KTreeListCtrl::ExpandByUser(int row, bool all) {
    const int item = ItemOfRow(row);
    if (item < 0)
        return;
    SetRedraw(FALSE);
    int next = row;
    Expand(item, all, next);
    SetRedraw(TRUE);
    ShowStateImage(row);
}

void KTreeListCtrl::CollapseByUser(int row) {
    const int item = ItemOfRow(row);
    if (item < 0)
        return;
    Collapse(item, row);
    ShowStateImage(row);
}

void KTreeListCtrl::ShowStateImage(int row) {
    const int item = ItemOfRow(row);
    if (item >= 0 && m_Items[static_cast<size_t>(item)].m_bExpandable)
        SetItemState(row, StateImage(m_Items[static_cast<size_t>(item)]), LVIS_STATEIMAGEMASK);
}
