#pragma once

// The keys a header click sorts by, made once per sort: each row's cell text folded for a
// case-insensitive comparison (plain and with its "_S" part moved to the front) or read as
// a number, found by the row's item data in constant time. They answer exactly as reading
// the cells during the comparison would, the first row of repeated data included.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
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
        const int quick = CompareQuickly(first, second);
        return quick != kUndecided ? quick : CompareRows(first, second);
    }
    // What CompareQuickly answers when the rows must be asked.
    static constexpr int kUndecided = 2;
    // The same when the keys' table decides it, else kUndecided.
    int CompareQuickly(LPARAM first, LPARAM second) const {
        // The sort calls this for every pair it weighs, and in a long list mostly waits for
        // the two keys: close-together data answer from one table of integers that order as
        // the rows' numbers or the first sixteen bytes of their texts do, without a branch on
        // the keys, so that the processor can go on to the next pair meanwhile.
        const auto a = static_cast<unsigned long long>(first) - m_lowest;
        const auto b = static_cast<unsigned long long>(second) - m_lowest;
        if (std::max(a, b) >= m_placed)
            return kUndecided;
        if (m_numbers) {
            const std::int64_t numberA = m_numberOfData[static_cast<size_t>(a)];
            const std::int64_t numberB = m_numberOfData[static_cast<size_t>(b)];
            const bool known = (numberA != kNoNumber) & (numberB != kNoNumber);
            return known ? Sign(numberA, numberB) : kUndecided;
        }
        const TextPrefix& prefixA = m_prefixOfData[static_cast<size_t>(a)];
        const TextPrefix& prefixB = m_prefixOfData[static_cast<size_t>(b)];
        const int order = 2 * Sign(prefixA.high, prefixB.high) + Sign(prefixA.low, prefixB.low);
        // Equal prefixes that the texts fill to their last byte leave it to the rest.
        const bool known = (prefixA.high != kNoText) & (prefixB.high != kNoText) &
                           ((order != 0) | ((prefixA.low & 0xFF) == 0));
        return known ? Sign(order, 0) : kUndecided;
    }
    // -1, 0 or 1; a "nan" is neither smaller nor greater than anything: it equals every number.
    static int CompareNumbers(double first, double second) {
        if (first < second)
            return -1;
        return first > second ? 1 : 0;
    }

private:
    void IndexData(const std::vector<LPARAM>& data);
    // Gives each slot of the dense index its row's order.
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
    // A text's first sixteen bytes as two numbers that order as the bytes do, zeros after
    // its end (which no text holds, so that kNoText is no text's).
    struct TextPrefix {
        std::uint64_t high;
        std::uint64_t low;
    };
    static constexpr std::uint64_t kNoText = 1;
    static TextPrefix PrefixOf(const std::string& text);
    template <typename Number>
    static int Sign(Number first, Number second) {
        return (first > second) - (first < second);
    }

    // The dense index with each row's number as an integer that orders as the number does;
    // kNoNumber where no row is and where the number is "nan" (it equals every number), so
    // that the rows are asked then.
    static constexpr std::int64_t kNoNumber = std::numeric_limits<std::int64_t>::min();
    std::vector<std::int64_t> m_numberOfData;
    // The dense index with the prefix of each row's text as the comparison reads it, when it
    // reads the same text of a row in every pair (texts with and without "_S" under split
    // sort make it read either); kNoText where no row is.
    std::vector<TextPrefix> m_prefixOfData;
    // Slots of the table in use (m_numberOfData's or m_prefixOfData's); 0 without one.
    unsigned long long m_placed = 0;
};

// The comparison of two keys: -1, 0 or 1 (or the case-insensitive text order), before the
// direction is applied.
VORNUI_API int CompareSortKeys(const ListSortKey& first, const ListSortKey& second, bool numbers,
                               bool split);
