#pragma once

// Inside the tree view: its items, linked to parent and siblings, named by handles that a
// deleted item's successor in the same slot never answers to; and the visible order (the
// rows), laid out again only when something asked for it after a change.

#include "vornui/platform/CString.h"
#include "vornui/platform/TreeView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct TreeItem {
    HTREEITEM handle = nullptr;
    TreeItem* parent = nullptr;
    TreeItem* firstChild = nullptr;
    TreeItem* lastChild = nullptr;
    TreeItem* prev = nullptr;
    TreeItem* next = nullptr;
    CString text;
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;
    LPARAM param = 0;
    int children = kChildrenCounted; // the child indicator the program set, when it did
    int level = -1;                  // the root's children are level 0
    int row = -1;                    // place in the rows when they were laid out
    int labelWidth = -1;             // measured on first need
    uint32_t generation = 0;
    bool alive = false;

    static constexpr int kChildrenCounted = -2;

    bool Expanded() const { return (state & TVIS_EXPANDED) != 0; }
    // Whether a button shows: the program's indicator, or else real children.
    bool HasChildIndicator() const {
        return children == kChildrenCounted ? firstChild != nullptr : children != 0;
    }
};

class TreeItems {
public:
    TreeItems();
    TreeItems(const TreeItems&) = delete;
    TreeItems& operator=(const TreeItems&) = delete;

    // The live item a handle names; null for null, TVI_ROOT, stale or foreign handles.
    TreeItem* Find(HTREEITEM handle) const;
    // Like Find, but TVI_ROOT (and null) name the invisible root.
    TreeItem* FindParent(HTREEITEM handle);
    TreeItem& Root() { return m_root; }
    const TreeItem& Root() const { return m_root; }
    int Count() const { return m_count; }

    // A new child of `parent` after `after` (TVI_FIRST, TVI_LAST, TVI_SORT or a sibling);
    // null when `after` is none of these.
    TreeItem* Insert(TreeItem& parent, HTREEITEM after, const CString& text);
    // Unlinks and frees the item and its descendants, telling `gone` of each (descendants
    // first) while it is still whole.
    void Delete(TreeItem& item, const std::function<void(TreeItem&)>& gone);
    // Sorts the children of `parent` by label, ignoring case; `recurse` sorts below too.
    void SortChildren(TreeItem& parent, bool recurse);

    // Labels are measured again (another font).
    void ForgetLabelWidths();

    // Visible order, one step at a time, from the links.
    static TreeItem* NextVisible(const TreeItem& item);
    static TreeItem* PrevVisible(const TreeItem& item);
    TreeItem* LastVisible() const;
    static bool IsVisible(const TreeItem& item);
    static bool IsDescendant(const TreeItem& item, const TreeItem& ancestor);

    // The rows, laid out again if the tree changed since.
    const std::vector<TreeItem*>& Rows();
    bool RowsChanged() const { return m_rowsStale; }
    void MarkRowsChanged() { m_rowsStale = true; }
    // The item's row, or -1 when it is not visible.
    int RowOf(TreeItem& item);

private:
    TreeItem* Allocate();
    void Link(TreeItem& parent, TreeItem& item, TreeItem* before);
    static void Unlink(TreeItem& item);

    TreeItem& Slot(size_t slot) const { return m_blocks[slot >> kBlockBits][slot & kBlockMask]; }

    // The items live in blocks that never move, so that an item stays where it is while
    // others come and go; a handle's slot finds its block by a shift, in a few instructions,
    // however many items there are.
    static constexpr size_t kBlockBits = 8;
    static constexpr size_t kBlockMask = (size_t{1} << kBlockBits) - 1;

    TreeItem m_root;
    std::vector<std::unique_ptr<TreeItem[]>> m_blocks;
    size_t m_slotCount = 0; // slots handed out so far, live or free
    std::vector<uint32_t> m_free;
    std::vector<TreeItem*> m_rows;
    bool m_rowsStale = true;
    int m_count = 0;
};
