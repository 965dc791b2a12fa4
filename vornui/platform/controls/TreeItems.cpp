#include "vornui/platform/internal/TreeItems.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace {

// A handle holds the slot (plus one, so that none is null) and the slot's generation.
HTREEITEM MakeHandle(size_t slot, uint32_t generation) {
    const auto value = (static_cast<uint64_t>(generation) << 32) | (slot + 1);
    return reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(value));
}

} // namespace

TreeItems::TreeItems() {
    m_root.handle = TVI_ROOT;
    m_root.state = TVIS_EXPANDED;
    m_root.alive = true;
}

TreeItem* TreeItems::Find(HTREEITEM handle) const {
    const auto value = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(handle));
    const uint64_t slot = (value & 0xFFFFFFFFu) - 1;
    if (!handle || slot >= m_slotCount)
        return nullptr;
    TreeItem& item = Slot(slot);
    if (!item.alive || item.generation != static_cast<uint32_t>(value >> 32))
        return nullptr;
    return &item;
}

TreeItem* TreeItems::FindParent(HTREEITEM handle) {
    if (!handle || handle == TVI_ROOT)
        return &m_root;
    return Find(handle);
}

TreeItem* TreeItems::Allocate() {
    size_t slot = m_slotCount;
    if (m_free.empty()) {
        if ((slot & kBlockMask) == 0)
            m_blocks.push_back(std::make_unique<TreeItem[]>(kBlockMask + 1));
        ++m_slotCount;
    } else {
        slot = m_free.back();
        m_free.pop_back();
    }
    TreeItem& item = Slot(slot);
    const uint32_t generation = item.generation + 1;
    item = TreeItem{};
    item.generation = generation;
    item.handle = MakeHandle(slot, generation);
    item.alive = true;
    ++m_count;
    return &item;
}

void TreeItems::Link(TreeItem& parent, TreeItem& item, TreeItem* before) {
    item.parent = &parent;
    item.level = parent.level + 1;
    item.next = before;
    item.prev = before ? before->prev : parent.lastChild;
    (item.prev ? item.prev->next : parent.firstChild) = &item;
    (before ? before->prev : parent.lastChild) = &item;
}

void TreeItems::Unlink(TreeItem& item) {
    TreeItem& parent = *item.parent;
    (item.prev ? item.prev->next : parent.firstChild) = item.next;
    (item.next ? item.next->prev : parent.lastChild) = item.prev;
    item.prev = item.next = nullptr;
}

TreeItem* TreeItems::Insert(TreeItem& parent, HTREEITEM after, const CString& text) {
    TreeItem* before = nullptr;
    if (after == TVI_FIRST) {
        before = parent.firstChild;
    } else if (after == TVI_SORT) {
        before = parent.firstChild;
        while (before && strcasecmp(before->text.GetString(), text.GetString()) <= 0)
            before = before->next;
    } else if (after != TVI_LAST && after) {
        TreeItem* sibling = Find(after);
        if (!sibling || sibling->parent != &parent)
            return nullptr;
        before = sibling->next;
    }
    TreeItem* item = Allocate();
    item->text = text;
    Link(parent, *item, before);
    m_rowsStale = true;
    return item;
}

void TreeItems::Delete(TreeItem& item, const std::function<void(TreeItem&)>& gone) {
    while (item.firstChild)
        Delete(*item.firstChild, gone);
    if (&item == &m_root)
        return;
    gone(item);
    Unlink(item);
    const size_t slot = (reinterpret_cast<uintptr_t>(item.handle) & 0xFFFFFFFFu) - 1;
    item.alive = false;
    item.text.Empty();
    m_free.push_back(static_cast<uint32_t>(slot));
    --m_count;
    m_rowsStale = true;
}

void TreeItems::SortChildren(TreeItem& parent, bool recurse) {
    std::vector<TreeItem*> children;
    for (TreeItem* child = parent.firstChild; child; child = child->next)
        children.push_back(child);
    std::stable_sort(children.begin(), children.end(), [](const TreeItem* a, const TreeItem* b) {
        return strcasecmp(a->text.GetString(), b->text.GetString()) < 0;
    });
    parent.firstChild = parent.lastChild = nullptr;
    for (TreeItem* child : children) {
        Link(parent, *child, nullptr);
        if (recurse)
            SortChildren(*child, true);
    }
    m_rowsStale = true;
}

void TreeItems::ForgetLabelWidths() {
    for (size_t slot = 0; slot < m_slotCount; ++slot)
        Slot(slot).labelWidth = -1;
    m_rowsStale = true;
}

TreeItem* TreeItems::NextVisible(const TreeItem& item) {
    if (item.Expanded() && item.firstChild)
        return item.firstChild;
    for (const TreeItem* at = &item; at && at->level >= 0; at = at->parent)
        if (at->next)
            return at->next;
    return nullptr;
}

TreeItem* TreeItems::PrevVisible(const TreeItem& item) {
    if (!item.prev)
        return item.parent && item.parent->level >= 0 ? item.parent : nullptr;
    TreeItem* at = item.prev;
    while (at->Expanded() && at->lastChild)
        at = at->lastChild;
    return at;
}

TreeItem* TreeItems::LastVisible() const {
    TreeItem* at = m_root.lastChild;
    while (at && at->Expanded() && at->lastChild)
        at = at->lastChild;
    return at;
}

bool TreeItems::IsVisible(const TreeItem& item) {
    for (const TreeItem* at = item.parent; at && at->level >= 0; at = at->parent)
        if (!at->Expanded())
            return false;
    return item.level >= 0;
}

bool TreeItems::IsDescendant(const TreeItem& item, const TreeItem& ancestor) {
    for (const TreeItem* at = item.parent; at; at = at->parent)
        if (at == &ancestor)
            return true;
    return false;
}

const std::vector<TreeItem*>& TreeItems::Rows() {
    if (!m_rowsStale)
        return m_rows;
    m_rows.clear();
    for (TreeItem* item = m_root.firstChild; item; item = NextVisible(*item)) {
        item->row = static_cast<int>(m_rows.size());
        m_rows.push_back(item);
    }
    m_rowsStale = false;
    return m_rows;
}

int TreeItems::RowOf(TreeItem& item) {
    const std::vector<TreeItem*>& rows = Rows();
    const bool placed = item.row >= 0 && item.row < static_cast<int>(rows.size()) &&
                        rows[static_cast<size_t>(item.row)] == &item;
    return placed ? item.row : -1;
}
