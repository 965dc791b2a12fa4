#include "vornui/lists/KTreeListCtrl.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/resources/ListResourceIds.h"

#include <algorithm>
#include <stdexcept>
#include <string>

IMPLEMENT_DYNAMIC(KTreeListCtrl, CListCtrl)

namespace {

constexpr int kBoxWidth = 16;
constexpr COLORREF kBoxMask = RGB(255, 0, 0);

[[noreturn]] void ThrowOutOfRange(const char* operation, const char* what, int index) {
    throw std::out_of_range(std::string("KTreeListCtrl::") + operation + ": no " + what + " " +
                            std::to_string(index));
}

} // namespace

KTreeListCtrl::KTreeListCtrl() = default;

KTreeListCtrl::~KTreeListCtrl() = default;

int KTreeListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CListCtrl::Create(style, rect, parent, id))
        return 0;
    SetUpList();
    return 1;
}

void KTreeListCtrl::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    SetUpList();
}

void KTreeListCtrl::SetUpList() {
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (!m_StateImages.GetSafeHandle()) {
        KResourceScope library;
        m_StateImages.Create(IDB_TREE_LIST_BOXES, kBoxWidth, 0, kBoxMask);
    }
    SetImageList(&m_StateImages, LVSIL_STATE);
}

int KTreeListCtrl::AddItem(const char* text, int image, int level, bool expandable) {
    const int index = static_cast<int>(m_Items.size());
    tree_list_info info;
    const size_t columns = static_cast<size_t>(std::max(1, GetHeaderCtrl()->GetItemCount()));
    info.m_Texts.resize(columns);
    info.m_Callbacks.resize(columns);
    if (text == LPSTR_TEXTCALLBACK)
        info.m_Callbacks[0] = true;
    else
        info.m_Texts[0] = text ? text : "";
    info.m_nLevel = level;
    info.m_nImage = image;
    info.m_bCollapsed = level >= m_nExpandLevel;
    info.m_bExpandable = expandable;

    const bool shown = ShownWhenAdded(level);
    m_Items.push_back(std::move(info));
    m_OpenAncestors.push_back(index);
    if (shown)
        InsertItem(index, index, m_Items.back()); // past the last row: appended
    return index;
}

bool KTreeListCtrl::ShownWhenAdded(int level) {
    while (!m_OpenAncestors.empty() &&
           m_Items[static_cast<size_t>(m_OpenAncestors.back())].m_nLevel >= level)
        m_OpenAncestors.pop_back();
    if (m_OpenAncestors.empty())
        return level <= m_nExpandLevel;
    const int parent = m_OpenAncestors.back();
    // The items from the parent on all lie in its subtree, so the parent has a row exactly
    // when the last row shows it or an item after it.
    return !m_Items[static_cast<size_t>(parent)].m_bCollapsed &&
           ItemOfRow(GetItemCount() - 1) >= parent;
}

int KTreeListCtrl::SetItemText(int item, int column, const char* text) {
    if (item < 0 || item >= static_cast<int>(m_Items.size()))
        ThrowOutOfRange("SetItemText", "item", item);
    if (column < 0 || column >= std::max(1, GetHeaderCtrl()->GetItemCount()))
        return 0;
    tree_list_info& info = m_Items[static_cast<size_t>(item)];
    const size_t slot = static_cast<size_t>(column);
    if (slot >= info.m_Texts.size()) {
        info.m_Texts.resize(slot + 1);
        info.m_Callbacks.resize(slot + 1);
    }
    const bool callback = text == LPSTR_TEXTCALLBACK;
    info.m_Callbacks[slot] = callback;
    info.m_Texts[slot] = callback || !text ? "" : text;
    if (const int row = RowOfItem(item); row >= 0)
        SetRowText(row, column, text);
    return 1;
}

int KTreeListCtrl::SetItemImage(int row, int image) {
    const int item = ItemOfRow(row);
    if (item < 0)
        ThrowOutOfRange("SetItemImage", "row", row);
    m_Items[static_cast<size_t>(item)].m_nImage = image;
    SetItem(row, 0, LVIF_IMAGE, nullptr, image, 0, 0, 0);
    return 1;
}

int KTreeListCtrl::SetItemDataPtr(int item, DWORD_PTR data) {
    if (item < 0 || item >= static_cast<int>(m_Items.size()))
        ThrowOutOfRange("SetItemDataPtr", "item", item);
    m_Items[static_cast<size_t>(item)].m_dwData = data;
    return 1;
}

DWORD_PTR KTreeListCtrl::GetItemDataPtr(int row) const {
    const int item = ItemOfRow(row);
    if (item < 0)
        ThrowOutOfRange("GetItemDataPtr", "row", row);
    return m_Items[static_cast<size_t>(item)].m_dwData;
}

bool KTreeListCtrl::IsCollapsed(int row) const {
    const int item = ItemOfRow(row);
    return item >= 0 && m_Items[static_cast<size_t>(item)].m_bCollapsed;
}

int KTreeListCtrl::DeleteAllItems() {
    // The rows go first: the parent hears of each while its item is still there to read.
    const BOOL done = CListCtrl::DeleteAllItems();
    m_Items.clear();
    m_OpenAncestors.clear();
    ++m_nGeneration;
    return done;
}

int KTreeListCtrl::Expand(int item, bool all, int& row) {
    const unsigned generation = m_nGeneration;
    m_Items[static_cast<size_t>(item)].m_bCollapsed = false;
    ++row;
    // The items whose children are being walked, innermost last: a deep tree must not
    // cost a deep stack.
    std::vector<int> walking{item};
    int next = item + 1;
    while (!walking.empty()) {
        const int size = static_cast<int>(m_Items.size());
        if (next >= size || m_Items[static_cast<size_t>(next)].m_nLevel <=
                                m_Items[static_cast<size_t>(walking.back())].m_nLevel) {
            walking.pop_back();
            continue;
        }
        const int child = next;
        if (all)
            m_Items[static_cast<size_t>(child)].m_bCollapsed = false;
        InsertItem(row, child, m_Items[static_cast<size_t>(child)]);
        if (generation != m_nGeneration) // the parent emptied the control meanwhile
            return 0;
        ++row;
        if (m_Items[static_cast<size_t>(child)].m_bCollapsed) {
            next = SubtreeEnd(child);
        } else {
            walking.push_back(child);
            next = child + 1;
        }
    }
    return next;
}

void KTreeListCtrl::Collapse(int item, int row) {
    m_Items[static_cast<size_t>(item)].m_bCollapsed = true;
    // The rows below that show deeper items are the item's descendants; in the table's
    // order they end where the first item after its subtree shows.
    const int hidden = FirstRowFrom(SubtreeEnd(item)) - (row + 1);
    const unsigned generation = m_nGeneration;
    SetRedraw(FALSE);
    for (int left = hidden; left > 0 && generation == m_nGeneration; --left)
        if (!ToListView(LVM_DELETEITEM, static_cast<WPARAM>(row + 1), 0))
            break;
    SetRedraw(TRUE);
}

int KTreeListCtrl::InsertItem(int row, int index, tree_list_info& info) {
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    const bool labelCallback = !info.m_Callbacks.empty() && info.m_Callbacks[0];
    item.pszText = labelCallback || info.m_Texts.empty()
                       ? LPSTR_TEXTCALLBACK
                       : const_cast<LPSTR>(info.m_Texts[0].GetString());
    item.iImage = info.m_nImage;
    item.iIndent = info.m_nLevel;
    item.lParam = index;
    item.state = StateImage(info);
    item.stateMask = LVIS_STATEIMAGEMASK;
    // The parent hears of the row and may change the table meanwhile: an item of the table
    // is looked up again afterwards, and none is used once the table was emptied.
    const bool fromTable = index >= 0 && static_cast<size_t>(index) < m_Items.size() &&
                           &m_Items[static_cast<size_t>(index)] == &info;
    const unsigned generation = m_nGeneration;
    const auto inserted =
        static_cast<int>(ToListView(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted < 0 || (fromTable && generation != m_nGeneration))
        return inserted;
    const tree_list_info& texts = fromTable ? m_Items[static_cast<size_t>(index)] : info;
    // A new row's other cells are empty already, so only texts and callbacks need setting;
    // but a row whose label is a callback would have its unset cells asked for too.
    for (size_t column = 1; column < texts.m_Texts.size() && generation == m_nGeneration;
         ++column) {
        if (texts.m_Callbacks[column])
            SetRowText(inserted, static_cast<int>(column), LPSTR_TEXTCALLBACK);
        else if (labelCallback || !texts.m_Texts[column].IsEmpty())
            SetRowText(inserted, static_cast<int>(column), texts.m_Texts[column]);
    }
    return inserted;
}

void KTreeListCtrl::SetRowText(int row, int column, const char* text) {
    LVITEM item{};
    item.iSubItem = column;
    item.pszText = const_cast<LPSTR>(text);
    ToListView(LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

UINT KTreeListCtrl::StateImage(const tree_list_info& info) {
    if (!info.m_bExpandable)
        return 0;
    return INDEXTOSTATEIMAGEMASK(info.m_bCollapsed ? 1 : 2);
}

int KTreeListCtrl::ItemOfRow(int row) const {
    if (!ValidRow(row))
        return -1;
    const DWORD_PTR item = GetItemData(row);
    return item < m_Items.size() ? static_cast<int>(item) : -1;
}

int KTreeListCtrl::FirstRowFrom(int item) const {
    // The rows show their items in the table's order.
    int low = 0;
    int high = GetItemCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (ItemOfRow(middle) < item)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int KTreeListCtrl::RowOfItem(int item) const {
    const int row = FirstRowFrom(item);
    return item >= 0 && ItemOfRow(row) == item ? row : -1;
}

int KTreeListCtrl::SubtreeEnd(int item) const {
    const int level = m_Items[static_cast<size_t>(item)].m_nLevel;
    size_t next = static_cast<size_t>(item) + 1;
    while (next < m_Items.size() && m_Items[next].m_nLevel > level)
        ++next;
    return static_cast<int>(next);
}

int KTreeListCtrl::ParentOf(int item) const {
    const int level = m_Items[static_cast<size_t>(item)].m_nLevel;
    for (int earlier = item - 1; earlier >= 0; --earlier)
        if (m_Items[static_cast<size_t>(earlier)].m_nLevel < level)
            return earlier;
    return -1;
}
