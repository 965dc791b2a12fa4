#pragma once

// A report list that shows a hierarchy. The control keeps every item in its own table, in
// pre-order (each item's descendants directly after it, deeper than it); the list itself
// holds rows only for the items of open branches. Each row's item data is the index of its
// item in the table, its indentation the item's level, and its state image a plus (1) or a
// minus (2) for an expandable item, collapsed or expanded, none for the others. The person
// opens and closes branches with a click on the plus or minus and with the keys Left,
// Right, keypad plus and minus, and '*' (a whole subtree).
//
// Item indices and row numbers differ as soon as a branch above is closed: SetItemText and
// SetItemDataPtr take an item index, SetItemImage, GetItemDataPtr and IsCollapsed a row.
//
// Two choices where the rules leave a gap:
// - SetItemText changes the row that shows the item, and no row while the item is hidden;
//   its text shows when the branch opens.
// - An item that is not expandable never shows a plus or a minus: keypad minus changes
//   nothing on it, and Left acts on it as on a collapsed item, moving to its parent row
//   (the row left behind is deselected; the parent row is scrolled into view). Right,
//   keypad plus and '*' act on every collapsed item alike: they clear its collapsed flag
//   and show whatever lies below it, and the state image stays as the item's kind says.
//
// One departure, so that the rows are always exactly the open items: AddItem gives the new
// item a row when it can be seen, that is when its level is at most the expand level at
// the top, and below a parent when the parent has a row and is expanded. For a table built
// in pre-order before the person acts, that is the plain rule "a row when the level is at
// most the expand level". It differs where the plain rule would be wrong: under a branch
// the person has closed the item waits for the branch to open (a row now would show under
// a plus, and twice once the branch opens); under a branch the person has opened, and
// under an open parent whose level it exceeds by more than one, the item shows at once, as
// the branch's next opening would show it.

#include "vornui/platform/ImageList.h"
#include "vornui/platform/ListCtrl.h"

#include <vector>

class VORNUI_API KTreeListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(KTreeListCtrl)
public:
    // One item of the table.
    struct tree_list_info {
        // Depth, 0 at the top; also the row's indentation.
        int m_nLevel = 0;
        // Index in the small image list.
        int m_nImage = 0;
        // One text per column, sized to the header's columns when the item is added.
        std::vector<CString> m_Texts;
        // Per column: the parent supplies the text when asked (LPSTR_TEXTCALLBACK).
        std::vector<bool> m_Callbacks;
        // The item's children are hidden.
        bool m_bCollapsed = false;
        // The item shows a plus or minus and opens and closes.
        bool m_bExpandable = false;
        // The caller's data.
        DWORD_PTR m_dwData = 0;
    };

    KTreeListCtrl();
    ~KTreeListCtrl() override;

    // Creates the list control and sets it up as PreSubclassWindow does; nonzero on success.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Appends an item (text of column 0 or LPSTR_TEXTCALLBACK, image, level, expandable) to
    // the table and returns its index. It starts collapsed when its level is at least the
    // expand level, a leaf too.
    int AddItem(const char* text, int image, int level, bool expandable);
    // Stores column `column`'s text (or LPSTR_TEXTCALLBACK) of item `item` and shows it on
    // the item's row if it has one; 1, or 0 for a negative column. Throws std::out_of_range
    // for an item outside the table.
    int SetItemText(int item, int column, const char* text);
    // Stores the image of the item shown in row `row` and shows it; 1. Throws
    // std::out_of_range for a row that does not exist.
    int SetItemImage(int row, int image);
    // Stores the caller's data of item `item`; 1. Throws std::out_of_range for an item
    // outside the table.
    int SetItemDataPtr(int item, DWORD_PTR data);
    // The caller's data of the item shown in row `row`. Throws std::out_of_range for a row
    // that does not exist.
    DWORD_PTR GetItemDataPtr(int row) const;
    // Whether the item shown in row `row` is collapsed; false for a row that does not exist.
    bool IsCollapsed(int row) const;
    // Items added from now on start collapsed from this level down.
    void SetExpandLevel(int level) { m_nExpandLevel = level; }
    // Empties the table and the list; nonzero on success.
    int DeleteAllItems();

protected:
    void PreSubclassWindow() override;
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // Left, Right, keypad plus and minus on the selected row.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    // '*' on the selected row opens its whole subtree.
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    // NM_CLICK: a click on the plus or minus opens or closes the branch. The parent hears
    // of the click as well.
    void OnClick(NMHDR* header, LRESULT* result);

    // Shows the hidden descendants of item `item`, whose row `row` holds, below it: the
    // children, and theirs where they are expanded (all of them with `all`, which expands
    // every item of the subtree). `row` ends on the row after the last one inserted.
    // Returns the index of the first item after the subtree.
    int Expand(int item, bool all, int& row);
    // Hides the descendants of item `item`, shown in row `row`, with redrawing off.
    void Collapse(int item, int row);
    // Inserts a row at `row` for item `index`, with every column's text; returns the row.
    int InsertItem(int row, int index, tree_list_info& info);

private:
    void SetUpList();
    // Whether an item of `level` appended now is visible: at the top when its level is at
    // most the expand level, else when its parent has a row and is expanded. Keeps the
    // chain of open ancestors up to date for it.
    bool ShownWhenAdded(int level);
    bool ValidRow(int row) const { return row >= 0 && row < GetItemCount(); }
    // The item shown in row `row`, or -1.
    int ItemOfRow(int row) const;
    // The first row that shows item `item` or a later one; the row count when none does.
    int FirstRowFrom(int item) const;
    // The row that shows item `item`, or -1 while it is hidden.
    int RowOfItem(int item) const;
    // The first item after `item`'s subtree.
    int SubtreeEnd(int item) const;
    // The nearest earlier item with a smaller level, or -1.
    int ParentOf(int item) const;
    int SelectedRow() const;
    void MoveSelection(int from, int to);
    // What the person's hand does, with redrawing off and the plus or minus updated.
    void ExpandByUser(int row, bool all);
    void CollapseByUser(int row);
    void ShowStateImage(int row);
    // The plus (collapsed) or minus (expanded) of an expandable item, as LVIS_STATEIMAGEMASK
    // bits; 0 for the others.
    static UINT StateImage(const tree_list_info& info);
    // The list view's own messages for the rows go straight to its procedure: opening or
    // closing a branch sends several for each of its rows, and neither this class nor the
    // framework handles any of them, so the framework's dispatch would cost about as much as
    // the rows' own work. A class derived from this one does not see them in WindowProc.
    LRESULT ToListView(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProc(message, wParam, lParam);
    }
    void SetRowText(int row, int column, const char* text);

    CImageList m_StateImages;
    std::vector<tree_list_info> m_Items;
    int m_nExpandLevel = 0;
    // Counts DeleteAllItems, so that an expansion notices the table went away under it.
    unsigned m_nGeneration = 0;
    // The items whose subtrees the last added item lies in, outermost first.
    std::vector<int> m_OpenAncestors;
};
