#pragma once

// The keys a header click sorts by, made once per sort: each row's cell text folded for a
// case-insensitive comparison (plain and with its "_S" part moved to the front) or read as
// a number, found by the row's item data in constant time. They answer exactly as reading
// the cells during the comparison would, the first row of repeated data included.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <cmath>
#include <cstddef>
#include <optional>
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

// A cell text as the comparison sees it; with `numbers` only its number is read, else only its
// texts are made (the rotated one only for `split`).
VORNUI_API ListSortKey MakeSortKey(const char* text);
VORNUI_API ListSortKey MakeSortKey(const char* text, bool numbers, bool split);
// The number "%lf" reads at the start of `text` (leading spaces, hex, "inf", "nan"), 0 when
// it reads none.
VORNUI_API double ReadSortNumber(const char* text);

// The keys of one sort, found by item data.
class VORNUI_API ListSortKeys {
public:
    // Keys of `texts`, the sort column's cells in row order, for rows with `data`, made for
    // the comparison that `numbers` and `split` choose.
    ListSortKeys(const std::vector<LPARAM>& data, const std::vector<CString>& texts,
                 bool numbers = false, bool split = false);
    // The same from text keys already made of those cells by MakeSortKey(text, false, split).
    ListSortKeys(const std::vector<LPARAM>& data, std::vector<ListSortKey> keys, bool split);
    // The same from the cells read as numbers (ReadSortNumber): a number sort.
    ListSortKeys(const std::vector<LPARAM>& data, std::vector<double> numbers);

    // The first row with `data`; -1 when no row has it.
    int RowOf(LPARAM data) const;
    // No two rows share their data.
    bool Distinct() const { return m_distinct; }
    // The rows' data became their indexes (0, 1, 2, ...).
    void NumberRows();
    // The comparison of the first rows with `first` and `second`, -1, 0 or 1 as
    // CompareSortKeys gives it; none when no row has one of them.
    std::optional<int> Compare(LPARAM first, LPARAM second) const {
        // The sort calls this for every pair it weighs: close-together data answer from one
        // table, of numbers or of the places of consistently ordered texts.
        const auto a = static_cast<unsigned long long>(first) - m_lowest;
        const auto b = static_cast<unsigned long long>(second) - m_lowest;
        if (m_numbers) {
            if (a < m_numberOfData.size() && b < m_numberOfData.size()) {
                const double numberA = m_numberOfData[static_cast<size_t>(a)];
                const double numberB = m_numberOfData[static_cast<size_t>(b)];
                if (!std::isnan(numberA) && !std::isnan(numberB))
                    return CompareNumbers(numberA, numberB);
            }
        } else if (a < m_placeOfData.size() && b < m_placeOfData.size()) {
            const int placeA = m_placeOfData[static_cast<size_t>(a)];
            const int placeB = m_placeOfData[static_cast<size_t>(b)];
            if (placeA >= 0 && placeB >= 0)
                return (placeA > placeB) - (placeA < placeB);
        }
        return CompareRows(first, second);
    }
    // -1, 0 or 1; a "nan" is neither smaller nor greater than anything: it equals every number.
    static int CompareNumbers(double first, double second) {
        if (first < second)
            return -1;
        return first > second ? 1 : 0;
    }

private:
    void IndexData(const std::vector<LPARAM>& data);
    void RankTexts(bool rotated);
    // Gives each slot of the dense index its row's place, or its row's number.
    void PlaceData();
    std::optional<int> CompareRows(LPARAM first, LPARAM second) const;

    // Text keys, or for a number sort the numbers, in row order.
    std::vector<ListSortKey> m_keys;
    std::vector<double> m_rowNumbers;
    bool m_numbers;
    bool m_split;
    bool m_distinct = true;
    // Data close together (the common 0, 1, 2, ...) index a table; others a hash map.
    unsigned long long m_lowest = 0;
    std::vector<int> m_dense;
    std::unordered_map<LPARAM, int> m_sparse;
    // When the comparison orders the text keys consistently (texts with and without "_S"
    // under split sort can make it contradict itself), each row's place in that order: rows
    // compare by their places, equal keys sharing one.
    std::vector<int> m_rank;
    // The dense index with each row's place in it instead of the row; -1 where no row is.
    std::vector<int> m_placeOfData;
    // The dense index with each row's number in it (a number sort); "nan" where no row is,
    // and where a row's number is one, so that the rows are asked then.
    std::vector<double> m_numberOfData;
};

// The comparison of two keys: -1, 0 or 1 (or the case-insensitive text order), before the
// direction is applied.
VORNUI_API int CompareSortKeys(const ListSortKey& first, const ListSortKey& second, bool numbers,
                               bool split);
