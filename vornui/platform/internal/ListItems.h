#pragma once

// Inside the list controls: the items of a list box or of a combo box's list, with the
// system's search and ordering rules (case-insensitive, sorted lists insert in order).

#include "vornui/platform/CString.h"
#include "vornui/platform/WindowTypes.h"
#include "vornui/platform/internal/ControlPainting.h"

#include <optional>
#include <vector>

// The codes one list kind (LB_... or CB_...) gives the item queries both kinds answer alike.
struct ItemQueryCodes {
    UINT count;
    UINT text;
    UINT textLength;
    UINT data;
    UINT find;
    UINT findExact;
};

struct ListItem {
    CString text;
    ULONG_PTR data = 0;
    bool selected = false;
    int height = 0; // owner-drawn lists of variable height: the height its owner gave it
};

// Where a list's rows lie: each `fixed` pixels tall or, in an owner-drawn list of variable
// height, each as tall as its owner made it.
struct RowHeights {
    int fixed;
    bool variable;
};

// The part of `room` pixels that whole rows fill. Rows of their own heights cannot be shown
// whole at every scroll position, so such a list keeps all its room.
int WholeRowsHeight(RowHeights rows, int room);

class ListItems {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    ListItem& operator[](int index) { return m_items[static_cast<size_t>(index)]; }
    const ListItem& operator[](int index) const { return m_items[static_cast<size_t>(index)]; }

    // Appends, or inserts in order when the list is sorted; returns the index.
    int Add(const CString& text, bool sorted);
    // Inserts at `index` (-1: at the end); -1 when the index is out of range.
    int Insert(int index, const CString& text);
    // Deletes item `index`; `current` (an index, or -1) keeps to its item, or to none
    // when that item was the one deleted.
    void Delete(int index, int& current);
    void Clear() { m_items.clear(); }
    // The first item after `start` (-1: from the top), wrapping around, whose text begins
    // with `prefix` (exact: equals it), ignoring case; -1 when none does.
    int Find(int start, const char* prefix, bool exact) const;
    // The item after `start` that a typed character leads to: the next one it begins.
    int FindTyped(int start, char typed) const;

    int RowHeight(RowHeights rows, int index) const;
    // The top of row `index` below the top of row `top` (negative for a row above it).
    int RowOffset(RowHeights rows, int top, int index) const;
    // The row `y` pixels below the top of row `top`; Count() below the last row.
    int RowAt(RowHeights rows, int top, int y) const;
    // How many rows from `top` down fit whole into `room` pixels; at least one.
    int RowsFitting(RowHeights rows, int top, int room) const;

    // The answer to `message` when it is one of `codes`' queries (-1, the kinds' LB_ERR and
    // CB_ERR, for an index out of range or a text not found); none for any other message.
    std::optional<LRESULT> AnswerQuery(const ItemQueryCodes& codes, UINT message, WPARAM wParam,
                                       LPARAM lParam) const;

private:
    // The text copied into `buffer`; its length.
    LRESULT CopyText(int index, LPARAM buffer) const;

    std::vector<ListItem> m_items;
};

// Paints the list window `hwnd` showing `items` with `look`'s rows and caret. With
// `multiple` an item shows its own selection; otherwise only the caret item is selected.
void PaintListWindow(HWND hwnd, const ListItems& items, ListLook look, bool multiple);
