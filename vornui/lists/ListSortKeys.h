#pragma once

// The keys a header click sorts by, made once per sort: each row's cell text folded for a
// case-insensitive comparison (plain and with its "_S" part moved to the front) or read as
// a number, found by the row's item data in constant time. They answer exactly as reading
// the cells during the comparison would, the first row of repeated data included.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct ListSortKey {
    std::string folded;  // the text, lower-cased as the case-insensitive comparison does
    std::string rotated; // from its "_S" on, then the part before; empty without "_S"
    bool split = false;  // the text has "_S"
    double number = 0;   // the text as "%lf" reads it; 0 when it is no number
};

// A cell text as the comparison sees it.
VORNUI_API ListSortKey MakeSortKey(const char* text);
// The number "%lf" reads at the start of `text` (leading spaces, hex, "inf", "nan"), 0 when
// it reads none.
VORNUI_API double ReadSortNumber(const char* text);

// The keys of one sort, found by item data.
class VORNUI_API ListSortKeys {
public:
    // Keys of `texts`, the sort column's cells in row order, for rows with `data`.
    ListSortKeys(const std::vector<LPARAM>& data, const std::vector<CString>& texts);

    // The key of the first row with `data`; null when no row has it.
    const ListSortKey* Find(LPARAM data) const;

private:
    std::vector<ListSortKey> m_keys;
    // Data close together (the common 0, 1, 2, ...) index a table; others a hash map.
    LPARAM m_lowest = 0;
    std::vector<int> m_dense;
    std::unordered_map<LPARAM, int> m_sparse;
};

// The comparison of two keys: -1, 0 or 1 (or the case-insensitive text order), before the
// direction is applied.
VORNUI_API int CompareSortKeys(const ListSortKey& first, const ListSortKey& second, bool numbers,
                               bool split);
