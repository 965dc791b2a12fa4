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

// The walks over every visible item ask the control a few questions per item. They go
// straight to the control's own procedure: through SendMessage each would also pass the
// framework's routing and this window's message map, which cost more than the control's
// answer, and none of them is handled there. DefWindowProc is virtual, so that a derived
// class still sees them.
LRESULT KMultiTree::AskControl(UINT message, WPARAM wParam, LPARAM lParam) const {
    return const_cast<KMultiTree*>(this)->DefWindowProc(message, wParam, lParam);
}

HTREEITEM KMultiTree::Neighbour(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(
        AskControl(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

bool KMultiTree::Describe(HTREEITEM item, TVITEM& described) const {
    described = TVITEM{};
    described.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    described.hItem = item;
    described.stateMask = ~0u;
    return item && item != TVI_ROOT &&
           AskControl(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&described));
}

void KMultiTree::SetSelectedBit(HTREEITEM item, bool select) {
    TVITEM change{};
    change.mask = TVIF_HANDLE | TVIF_STATE;
    change.hItem = item;
    change.state = select ? TVIS_SELECTED : 0;
    change.stateMask = TVIS_SELECTED;
    AskControl(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&change));
}

KMultiTree::SelectionRun::SelectionRun(KMultiTree& tree)
    : m_tree(tree), m_parent(::GetParent(tree.m_hWnd)),
      m_id(static_cast<UINT_PTR>(tree.GetDlgCtrlID())) {}

bool KMultiTree::SelectionRun::Set(HTREEITEM item, bool select) {
    NMTREEVIEW notice;
    const TVITEM* described = Describe(notice, item, select);
    if (!described)
        return false;
    if (((described->state & TVIS_SELECTED) != 0) == select)
        return true;
    if (!m_tree.m_bMultiSelect) {
        m_tree.SetSelectedBit(item, select);
        return true;
    }
    return Change(notice, item, select);
}

bool KMultiTree::SelectionRun::Change(HTREEITEM item, bool select) {
    NMTREEVIEW notice;
    return Describe(notice, item, select) && Change(notice, item, select);
}

// The control writes its description straight into the notice, not into a TVITEM of its
// own that is then copied: the copy would read the description back in wide blocks just
// after the control wrote it field by field, and such a read waits until those writes have
// reached the cache. A Shift+click describes every item it passes.
const TVITEM* KMultiTree::SelectionRun::Describe(NMTREEVIEW& notice, HTREEITEM item,
                                                 bool select) const {
    TVITEM& described = select ? notice.itemNew : notice.itemOld;
    return m_tree.Describe(item, described) ? &described : nullptr;
}

bool KMultiTree::SelectionRun::Change(NMTREEVIEW& notice, HTREEITEM item, bool select) {
    // Each field gets its value here rather than from a zeroing of the whole notice: that
    // zeroing is a string store, whose start-up alone costs more than the rest of a change,
    // and a Shift+click makes one change per item it passes.
    (select ? notice.itemOld : notice.itemNew) = TVITEM{};
    notice.action = TVC_UNKNOWN;
    notice.ptDrag = POINT{};
    if (Send(notice, TVN_SELCHANGING))
        return false;
    // The item as described, not as the notice now says: the parent may have written on it.
    m_tree.SetSelectedBit(item, select);
    Send(notice, TVN_SELCHANGED);
    return true;
}

LRESULT KMultiTree::SelectionRun::Send(NMTREEVIEW& notice, UINT code) {
    notice.hdr = {m_tree.m_hWnd, m_id, code};
    return m_tree.SendToParent(m_parent, &notice.hdr);
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
        if (!SelectionRun(*this).Change(item, (state & TVIS_SELECTED) != 0))
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
    return (AskControl(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED) &
            TVIS_SELECTED) != 0;
}

HTREEITEM KMultiTree::GetFirstSelectedItem() const {
    for (HTREEITEM item = Neighbour(nullptr, TVGN_ROOT); item;
         item = Neighbour(item, TVGN_NEXTVISIBLE))
        if (IsSelected(item))
            return item;
    return nullptr;
}

HTREEITEM KMultiTree::GetNextSelectedItem(HTREEITEM item) const {
    for (item = item ? Neighbour(item, TVGN_NEXTVISIBLE) : nullptr; item;
         item = Neighbour(item, TVGN_NEXTVISIBLE))
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
    SelectionRun run(*this);
    for (HTREEITEM item = Neighbour(nullptr, TVGN_ROOT); item;
         item = Neighbour(item, TVGN_NEXTVISIBLE))
        if (item != ignore)
            run.Set(item, select != 0);
}

void KMultiTree::SelectRange(HTREEITEM first, HTREEITEM last, int only) {
    SelectionRun run(*this);
    const auto next = [this](HTREEITEM item) { return Neighbour(item, TVGN_NEXTVISIBLE); };
    HTREEITEM item = Neighbour(nullptr, TVGN_ROOT);
    for (; item && item != first && item != last; item = next(item))
        if (only)
            run.Set(item, false);
    if (!item)
        return;
    const HTREEITEM end = item == first ? last : first;
    for (;; item = next(item)) {
        if (!item)
            return;
        run.Set(item, true);
        if (item == end)
            break;
    }
    for (item = next(item); item; item = next(item))
        if (only)
            run.Set(item, false);
}

int KMultiTree::SelectChildren(HTREEITEM parent, int select, int recurse) {
    const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
    SelectionRun run(*this);
    int caretVisited = 0;
    for (HTREEITEM child = Neighbour(parent, TVGN_CHILD); child;
         child = Neighbour(child, TVGN_NEXT)) {
        if (child == caret)
            caretVisited = 1;
        run.Set(child, select != 0);
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
    return SendToParent(::GetParent(m_hWnd), header);
}

LRESULT KMultiTree::SendToParent(HWND parent, NMHDR* header) {
    const int previous = m_bEmulatedNotify;
    m_bEmulatedNotify = 1;
    const LRESULT answer =
        parent ? ::SendMessage(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header))
               : 0;
    m_bEmulatedNotify = previous;
    return answer;
}

void KMultiTree::InvalidateSelectedLabels() {
    // Only the rows on show (the last one perhaps in part): the labels scrolled away have
    // nothing to repaint, and there may be many thousands of them.
    const UINT rows = GetVisibleCount() + 1;
    HTREEITEM item = Neighbour(nullptr, TVGN_FIRSTVISIBLE);
    for (UINT row = 0; item && row < rows; ++row, item = Neighbour(item, TVGN_NEXTVISIBLE)) {
        CRect label;
        if (IsSelected(item) && GetItemRect(item, &label, TRUE))
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
