#include "vornui/lists/KMultiTree.h"

int KMultiTree::SetMultiSelect(int multiSelect) {
    const int previous = m_bMultiSelect;
    if (previous && !multiSelect) {
        // The others go while multi-selection still tells the parent of each.
        const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
        const bool keepCaret = caret && IsSelected(caret);
        SelectAllIgnore(FALSE, keepCaret ? caret : nullptr);
        if (keepCaret) {
            CTreeCtrl::SelectItem(nullptr);
            CTreeCtrl::SelectItem(caret);
        }
    }
    m_bMultiSelect = multiSelect;
    return previous;
}

UINT KMultiTree::GetItemState(HTREEITEM item, UINT stateMask) const {
    UINT state = CTreeCtrl::GetItemState(item, stateMask & ~TVIS_FOCUSED);
    if ((stateMask & TVIS_FOCUSED) && item && item == CTreeCtrl::GetSelectedItem())
        state |= TVIS_FOCUSED;
    return state;
}

bool KMultiTree::Describe(HTREEITEM item, TVITEM& described) const {
    described = TVITEM{};
    described.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    described.hItem = item;
    described.stateMask = ~0u;
    return item && item != TVI_ROOT && GetItem(&described);
}

bool KMultiTree::ChangeSelected(const TVITEM& described, bool select) {
    NMTREEVIEW notice{};
    notice.action = TVC_UNKNOWN;
    (select ? notice.itemNew : notice.itemOld) = described;
    notice.hdr.code = TVN_SELCHANGING;
    if (_SendNotify(&notice.hdr))
        return false;
    CTreeCtrl::SetItemState(described.hItem, select ? TVIS_SELECTED : 0, TVIS_SELECTED);
    notice.hdr.code = TVN_SELCHANGED;
    _SendNotify(&notice.hdr);
    return true;
}

bool KMultiTree::SetSelected(HTREEITEM item, bool select) {
    TVITEM described;
    if (!Describe(item, described))
        return false;
    if (((described.state & TVIS_SELECTED) != 0) == select)
        return true;
    if (!m_bMultiSelect)
        return CTreeCtrl::SetItemState(item, select ? TVIS_SELECTED : 0, TVIS_SELECTED) != FALSE;
    return ChangeSelected(described, select);
}

int KMultiTree::SetItemState(HTREEITEM item, UINT state, UINT stateMask) {
    if (!m_bMultiSelect)
        return CTreeCtrl::SetItemState(item, state, stateMask);
    if (!item || item == TVI_ROOT)
        return 0;
    if (stateMask & TVIS_FOCUSED) {
        if (!MoveCaret(item, state, stateMask))
            return 0;
    }
    stateMask &= ~TVIS_FOCUSED;
    if (!stateMask)
        return 1;
    if (stateMask & TVIS_SELECTED) {
        TVITEM described;
        if (!Describe(item, described) || !ChangeSelected(described, (state & TVIS_SELECTED) != 0))
            return 0;
        stateMask &= ~TVIS_SELECTED;
    }
    if (stateMask)
        CTreeCtrl::SetItemState(item, state, stateMask);
    return 1;
}

bool KMultiTree::MoveCaret(HTREEITEM item, UINT& state, UINT& stateMask) {
    const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
    const bool wasSelected = IsSelected(item);
    if (state & TVIS_FOCUSED) {
        if (caret && caret != item && IsSelected(caret)) {
            // Taking the caret away deselects it in the control: it is selected again.
            CTreeCtrl::SelectItem(nullptr);
            CTreeCtrl::SetItemState(caret, TVIS_SELECTED, TVIS_SELECTED);
        }
        if (!CTreeCtrl::SelectItem(item))
            return false;
        if (stateMask & TVIS_SELECTED) {
            if ((state & TVIS_SELECTED) && (caret != item || wasSelected))
                stateMask &= ~TVIS_SELECTED;
        } else if (!wasSelected) {
            stateMask |= TVIS_SELECTED;
            state &= ~TVIS_SELECTED;
        }
    } else if (item == caret) {
        CTreeCtrl::SelectItem(nullptr);
        const bool keepSelected = (stateMask & TVIS_SELECTED) ? (state & TVIS_SELECTED) != 0 : true;
        if (keepSelected && wasSelected)
            CTreeCtrl::SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
        if ((stateMask & TVIS_SELECTED) && (state & TVIS_SELECTED) && wasSelected)
            stateMask &= ~TVIS_SELECTED;
    }
    return true;
}

int KMultiTree::IsSelected(HTREEITEM item) const {
    return (CTreeCtrl::GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) != 0;
}

HTREEITEM KMultiTree::GetFirstSelectedItem() const {
    for (HTREEITEM item = GetRootItem(); item; item = GetNextVisibleItem(item))
        if (IsSelected(item))
            return item;
    return nullptr;
}

HTREEITEM KMultiTree::GetNextSelectedItem(HTREEITEM item) const {
    for (item = item ? GetNextVisibleItem(item) : nullptr; item; item = GetNextVisibleItem(item))
        if (IsSelected(item))
            return item;
    return nullptr;
}

UINT KMultiTree::GetSelectedCount() const {
    UINT count = 0;
    for (HTREEITEM item = GetFirstSelectedItem(); item; item = GetNextSelectedItem(item))
        ++count;
    return count;
}

void KMultiTree::GetSelectedList(CTypedPtrList<CPtrList, HTREEITEM>& list) const {
    list.RemoveAll();
    for (HTREEITEM item = GetFirstSelectedItem(); item; item = GetNextSelectedItem(item))
        list.AddTail(item);
}

HTREEITEM KMultiTree::GetFocusedItem() const {
    return CTreeCtrl::GetSelectedItem();
}

int KMultiTree::FocusItem(HTREEITEM item) {
    if (item)
        return SetItemState(item, TVIS_FOCUSED, TVIS_FOCUSED);
    const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
    return caret ? SetItemState(caret, 0, TVIS_FOCUSED) : 0;
}

int KMultiTree::SelectItem(HTREEITEM item) {
    return CTreeCtrl::SelectItem(item);
}

void KMultiTree::SelectAll(int select) {
    SelectAllIgnore(select, nullptr);
}

void KMultiTree::SelectAllIgnore(int select, HTREEITEM ignore) {
    for (HTREEITEM item = GetRootItem(); item; item = GetNextVisibleItem(item))
        if (item != ignore)
            SetSelected(item, select != 0);
}

void KMultiTree::SelectRange(HTREEITEM first, HTREEITEM last, int only) {
    HTREEITEM item = GetRootItem();
    for (; item && item != first && item != last; item = GetNextVisibleItem(item))
        if (only)
            SetSelected(item, false);
    if (!item)
        return;
    const HTREEITEM end = item == first ? last : first;
    for (;; item = GetNextVisibleItem(item)) {
        if (!item)
            return;
        SetSelected(item, true);
        if (item == end)
            break;
    }
    for (item = GetNextVisibleItem(item); item; item = GetNextVisibleItem(item))
        if (only)
            SetSelected(item, false);
}

int KMultiTree::SelectChildren(HTREEITEM parent, int select, int recurse) {
    const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
    int caretVisited = 0;
    for (HTREEITEM child = GetChildItem(parent); child; child = GetNextSiblingItem(child)) {
        if (child == caret)
            caretVisited = 1;
        SetSelected(child, select != 0);
        if (recurse && (CTreeCtrl::GetItemState(child, TVIS_EXPANDED) & TVIS_EXPANDED))
            caretVisited |= SelectChildren(child, select, recurse);
    }
    return caretVisited;
}

int KMultiTree::SetBandingHit(int labelOnly) {
    const int previous = m_nBandingHit;
    m_nBandingHit = labelOnly;
    return previous;
}

LRESULT KMultiTree::_SendNotify(NMHDR* header) {
    header->hwndFrom = m_hWnd;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    const int previous = m_bEmulatedNotify;
    m_bEmulatedNotify = 1;
    const HWND parent = ::GetParent(m_hWnd);
    const LRESULT answer =
        parent ? ::SendMessage(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header))
               : 0;
    m_bEmulatedNotify = previous;
    return answer;
}

void KMultiTree::InvalidateSelectedLabels() {
    for (HTREEITEM item = GetFirstSelectedItem(); item; item = GetNextSelectedItem(item)) {
        CRect label;
        if (GetItemRect(item, &label, TRUE))
            InvalidateRect(&label);
    }
}

void KMultiTree::OnSetFocus(CWnd* oldWnd) {
    CTreeCtrl::OnSetFocus(oldWnd);
    if (m_bMultiSelect)
        InvalidateSelectedLabels();
}

void KMultiTree::OnKillFocus(CWnd* newWnd) {
    CTreeCtrl::OnKillFocus(newWnd);
    if (m_bMultiSelect)
        InvalidateSelectedLabels();
}

BOOL KMultiTree::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code != TVN_ITEMEXPANDING || !m_bMultiSelect)
        return CTreeCtrl::OnReflectedNotify(header, result);
    const auto* notice = reinterpret_cast<const NMTREEVIEW*>(header);
    if ((notice->action & TVE_ACTIONMASK) == TVE_COLLAPSE) {
        const HTREEITEM item = notice->itemNew.hItem;
        if (SelectChildren(item, FALSE, TRUE) && !IsSelected(item))
            CTreeCtrl::SelectItem(nullptr);
    }
    // Collapsing is never prevented here; the parent hears of it as well.
    *result = 0;
    return FALSE;
}

IMPLEMENT_DYNAMIC(KMultiTree, CTreeCtrl)
