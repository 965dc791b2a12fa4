#pragma once

// A tree in which the person selects several items, as in a multi-select list: Ctrl+click
// toggles, Shift+click selects a range, a drag on empty space draws a selection band, and
// Shift or Ctrl with the arrow keys extend the selection or move the caret alone.
//
// The tree control itself knows one selected item, its caret. This class keeps the caret
// and the selected state apart: TVIS_FOCUSED means "is the caret" when read or set here,
// and a caret need not be selected. Each change of an item's selected state is told to the
// parent as TVN_SELCHANGING (which may refuse it) and TVN_SELCHANGED; IsEmulatedNotify
// tells those apart from the control's own. Queries and bulk changes see only the visible
// items (TVGN_ROOT, then TVGN_NEXTVISIBLE), never those inside collapsed branches.

#include "vornui/platform/Collections.h"
#include "vornui/platform/TreeCtrl.h"

class VORNUI_API KMultiTree : public CTreeCtrl {
    DECLARE_DYNAMIC(KMultiTree)
public:
    KMultiTree() = default;

    // Returns the previous setting. Switching off keeps only a selected caret selected.
    int SetMultiSelect(int multiSelect);
    int IsMultiSelect() const { return m_bMultiSelect; }

    // The control's state for the mask; TVIS_FOCUSED added when asked and the item is the
    // caret.
    UINT GetItemState(HTREEITEM item, UINT stateMask) const;
    // 0 when the item could not become the caret or the parent refused the change.
    int SetItemState(HTREEITEM item, UINT state, UINT stateMask);
    // Whether the item's selected bit is set.
    int IsSelected(HTREEITEM item) const;
    // The first selected item in visible order, or null.
    HTREEITEM GetFirstSelectedItem() const;
    // The next selected item after `item` in visible order, or null.
    HTREEITEM GetNextSelectedItem(HTREEITEM item) const;
    // How many visible items are selected.
    UINT GetSelectedCount() const;
    // Empties the list, then adds the selected items in visible order.
    void GetSelectedList(CTypedPtrList<CPtrList, HTREEITEM>& list) const;
    // The caret, or null.
    HTREEITEM GetFocusedItem() const;
    // Makes `item` the caret; null takes the caret away.
    int FocusItem(HTREEITEM item);
    // The control's own caret selection.
    int SelectItem(HTREEITEM item);
    // Selects (or deselects) every visible item whose state differs.
    void SelectAll(int select = TRUE);
    // Selects the visible items from one to the other; with `only`, deselects the rest.
    void SelectRange(HTREEITEM first, HTREEITEM last, int only = TRUE);
    // Nonzero when the caret was among the children visited.
    int SelectChildren(HTREEITEM parent, int select = TRUE, int recurse = TRUE);
    // Nonzero: the band selects items it meets on their labels only.
    int SetBandingHit(int labelOnly);
    int IsEmulatedNotify() const { return m_bEmulatedNotify; }

protected:
    // A press of the left (`left` nonzero) or right button: buttons and check boxes get
    // the control's own handling, empty space a band, an item its selection and action.
    void OnButtonDown(int left, UINT flags, CPoint point);
    // What the press itself changes, by button and modifiers (`flags` as the mouse
    // message has them).
    void DoPreSelection(HTREEITEM item, int left, UINT flags);
    // Runs while the button stays down on an item: a drag or a click.
    void DoAction(HTREEITEM item, int left, UINT flags, CPoint point);
    // Runs while the button stays down on empty space: the selection band.
    void DoBanding(int left, UINT flags, CPoint point);
    // SelectAll, leaving `ignore` as it is.
    void SelectAllIgnore(int select, HTREEITEM ignore);
    // Selects the items the band meets and gives the others their remembered state back.
    void UpdateSelectionForRect(LPCRECT band, UINT flags,
                                CTypedPtrList<CPtrList, HTREEITEM>& remembered);
    // Sends the notification to the parent with IsEmulatedNotify set; its answer.
    LRESULT _SendNotify(NMHDR* header);

    // Both buttons go to OnButtonDown.
    void OnLButtonDown(UINT flags, CPoint point) override;
    // Both buttons go to OnButtonDown.
    void OnRButtonDown(UINT flags, CPoint point) override;
    // Up and Down with Shift range from the anchor, with Ctrl move the caret alone.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    // The selected labels are painted again: their highlight follows the focus.
    void OnSetFocus(CWnd* oldWnd) override;
    // The selected labels are painted again: their highlight follows the focus.
    void OnKillFocus(CWnd* newWnd) override;
    // A collapsing branch loses its selected descendants, and the caret if it was among
    // them and the branch itself is not selected.
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;

private:
    // Changes of selected state, each asked of the parent (TVN_SELCHANGING, which may
    // refuse) and then told to it (TVN_SELCHANGED). A walk over many items makes one run,
    // so that the notifications' sender and addressee are looked up once, not per item.
    class SelectionRun {
    public:
        explicit SelectionRun(KMultiTree& tree);
        // Gives the item the selected state `select` where it differs; false for no item
        // or a refusal.
        bool Set(HTREEITEM item, bool select);
        // Changes the item's selected state, whatever it is now; false for no item or a
        // refusal.
        bool Change(HTREEITEM item, bool select);

    private:
        // Describes the item in the notice as the one that changes to `select`; null for no
        // item.
        const TVITEM* Describe(NMTREEVIEW& notice, HTREEITEM item, bool select) const;
        // Asks the parent, changes the described item and tells the parent; false when the
        // parent refused.
        bool Change(NMTREEVIEW& notice, HTREEITEM item, bool select);
        LRESULT Send(NMTREEVIEW& notice, UINT code);

        KMultiTree& m_tree;
        const HWND m_parent;
        const UINT_PTR m_id;
    };

    // The focus bit of SetItemState: the caret moves, and the selected bit left to do is
    // adjusted; false when the item could not become the caret.
    bool MoveCaret(HTREEITEM item, UINT& state, UINT& stateMask);
    // The control's own answer to one of its TVM_* messages (see the .cpp).
    LRESULT AskControl(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The item `code` (a TVGN_* value) names from `item`, as TVM_GETNEXTITEM answers.
    HTREEITEM Neighbour(HTREEITEM item, UINT code) const;
    // The item's handle, state and data, as the notifications describe it; false for no
    // item.
    bool Describe(HTREEITEM item, TVITEM& described) const;
    // The selected bit alone, without a word to the parent.
    void SetSelectedBit(HTREEITEM item, bool select);
    // The notification to `parent`, with IsEmulatedNotify set while it is sent; its answer.
    LRESULT SendToParent(HWND parent, NMHDR* header);
    void InvalidateSelectedLabels();

    int m_bMultiSelect = 1;
    HTREEITEM m_hAnchor = nullptr;
    int m_bEmulatedNotify = 0;
    int m_nBandingHit = 0;
};
