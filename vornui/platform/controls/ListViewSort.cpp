// The list view's sort (LVM_SORTITEMS): stable, by a comparison the caller gives, which may
// read the list while it runs and may contradict itself without losing a row.
//
// In a large list the comparison mostly waits for the caller's data of the two items
// (a table far bigger than the processor's caches). The merges are therefore shaped so that
// several comparisons are under way at once: no branch on their answers, and every merge
// run from both ends, two chains that do not wait for each other. Runs are merged depth
// first, so that the early merges of neighbouring rows stay in the caches.

#include "vornui/platform/internal/HugePages.h"
#include "vornui/platform/internal/ListViewData.h"

#include <algorithm>
#include <vector>

namespace {

// A row's item data beside its position: the comparison reads the data in order, without a
// trip to each row.
struct SortEntry {
    LPARAM param;
    int row;
};

// Room for `count` entries in huge pages where the kernel has them: the entries of a million
// rows and the merges' second array would fill some eight thousand small pages, each a fault.
std::vector<SortEntry> RoomForEntries(size_t count) {
    std::vector<SortEntry> room;
    room.reserve(count);
    AdviseHugePages(room.data(), count * sizeof(SortEntry));
    return room;
}

class EntryOrder {
public:
    EntryOrder(PFNLVCOMPARE compare, LPARAM extra) : m_compare(compare), m_extra(extra) {}
    // `a` comes strictly before `b`.
    bool operator()(const SortEntry& a, const SortEntry& b) const {
        return m_compare(a.param, b.param, m_extra) < 0;
    }

private:
    PFNLVCOMPARE m_compare;
    LPARAM m_extra;
};

// Splits the entries into runs already in order and gives where each starts, then their end.
// A run where each entry comes strictly before the one ahead of it (a list sorted the other
// way) is turned round: no two of its entries are equal, so the turn keeps the sort stable.
std::vector<size_t> FindRuns(std::vector<SortEntry>& entries, const EntryOrder& before) {
    std::vector<size_t> bounds{0};
    size_t start = 0;
    while (start < entries.size()) {
        size_t end = start + 1;
        if (end < entries.size() && before(entries[end], entries[start])) {
            while (end < entries.size() && before(entries[end], entries[end - 1]))
                ++end;
            std::reverse(entries.begin() + static_cast<ptrdiff_t>(start),
                         entries.begin() + static_cast<ptrdiff_t>(end));
        } else {
            while (end < entries.size() && !before(entries[end], entries[end - 1]))
                ++end;
        }
        bounds.push_back(end);
        start = end;
    }
    return bounds;
}

// Copies the entry at `b` when `takeB`, else the one at `a`, and steps past it. Computed
// rather than branched on: in an unsorted list the answer is a coin toss, and a branch would
// make the processor drop the comparison it started meanwhile at every other entry.
inline void TakeHead(const SortEntry*& a, const SortEntry*& b, bool takeB, SortEntry*& out) {
    *out++ = *(takeB ? b : a);
    a += !takeB;
    b += takeB;
}

// The same from the tails, the copy going to the place before `out`.
inline void TakeTail(const SortEntry*& endA, const SortEntry*& endB, bool takeA, SortEntry*& out) {
    *--out = (takeA ? endA : endB)[-1];
    endA -= takeA;
    endB -= !takeA;
}

// Merges [first, middle) and [middle, last) into `out`, the first run's entries ahead on
// ties. Every entry is taken exactly once whatever the comparison answers.
void MergeForward(const SortEntry* first, const SortEntry* middle, const SortEntry* last,
                  SortEntry* out, const EntryOrder& before) {
    const SortEntry* a = first;
    const SortEntry* b = middle;
    while (a != middle && b != last)
        TakeHead(a, b, before(*b, *a), out);
    out = std::copy(a, middle, out);
    std::copy(b, last, out);
}

// The same merge from both ends at once, two chains of comparisons that do not wait for each
// other: the first half of `out` from the runs' heads, the other from their tails. False when
// the two did not meet (a comparison that contradicts itself can take an entry from both
// ends): `out` is then no merge.
bool MergeFromBothEnds(const SortEntry* first, const SortEntry* middle, const SortEntry* last,
                       SortEntry* out, const EntryOrder& before) {
    const auto count = static_cast<size_t>(last - first);
    size_t fromHeads = count / 2;
    size_t fromTails = count - fromHeads;
    const SortEntry* a = first;
    const SortEntry* b = middle;
    const SortEntry* endA = middle;
    const SortEntry* endB = last;
    SortEntry* front = out;
    SortEntry* back = out + count;
    // The larger tail goes last; on a tie the second run's, which came later.
    const auto tailA = [&] { return before(endB[-1], endA[-1]); };
    // An end moves at most one entry a round: the rounds go in blocks of as many as cannot
    // run any end out of its run, the ends checked once a block rather than every round.
    while (fromHeads > 0) {
        const size_t rounds =
            std::min({fromHeads, static_cast<size_t>(middle - a), static_cast<size_t>(last - b),
                      static_cast<size_t>(endA - first), static_cast<size_t>(endB - middle)});
        if (rounds == 0)
            break;
        for (size_t round = 0; round < rounds; ++round) {
            TakeHead(a, b, before(*b, *a), front);
            TakeTail(endA, endB, tailA(), back);
        }
        fromHeads -= rounds;
        fromTails -= rounds;
    }
    // Neither end takes every entry, so one run always has an entry left at each end.
    for (; fromHeads > 0; --fromHeads)
        TakeHead(a, b, a == middle || (b != last && before(*b, *a)), front);
    for (; fromTails > 0; --fromTails)
        TakeTail(endA, endB, endB == middle || (endA != first && tailA()), back);
    return a == endA;
}

// Merges runs depth first, each merge from one of two arrays into the other.
class RunMerger {
public:
    RunMerger(std::vector<SortEntry>& entries, const EntryOrder& before, std::vector<size_t> bounds)
        : m_entries(entries), m_before(before), m_bounds(std::move(bounds)) {
        if (Runs() > 1) {
            m_buffer = RoomForEntries(entries.size());
            m_buffer.resize(entries.size());
        }
    }

    // Puts runs [firstRun, lastRun) in order in `target` (the entries or the buffer, at
    // the runs' own places); a single run lies in the entries.
    void SortInto(size_t firstRun, size_t lastRun, SortEntry* target) {
        const size_t first = m_bounds[firstRun];
        const size_t last = m_bounds[lastRun];
        if (lastRun - firstRun == 1) {
            if (target != m_entries.data())
                std::copy(m_entries.data() + first, m_entries.data() + last, target + first);
            return;
        }
        const size_t middleRun = firstRun + (lastRun - firstRun) / 2;
        SortEntry* const source = target == m_entries.data() ? m_buffer.data() : m_entries.data();
        SortInto(firstRun, middleRun, source);
        SortInto(middleRun, lastRun, source);
        const size_t middle = m_bounds[middleRun];
        if (!MergeFromBothEnds(source + first, source + middle, source + last, target + first,
                               m_before))
            MergeForward(source + first, source + middle, source + last, target + first, m_before);
    }

    size_t Runs() const { return m_bounds.size() - 1; }

private:
    std::vector<SortEntry>& m_entries;
    const EntryOrder& m_before;
    std::vector<size_t> m_bounds;
    std::vector<SortEntry> m_buffer;
};

// A merge sort of the runs found in order: stable, and safe with a comparison that
// contradicts itself. A list in order already, either way round, costs a comparison a row.
void MergeSort(std::vector<SortEntry>& entries, const EntryOrder& before) {
    RunMerger merger(entries, before, FindRuns(entries, before));
    if (merger.Runs() > 1)
        merger.SortInto(0, merger.Runs(), entries.data());
}

} // namespace

bool ListSortItems(HWND hwnd, ListViewData& data, PFNLVCOMPARE compare, LPARAM extra) {
    if (!compare)
        return false;
    std::vector<SortEntry> order = RoomForEntries(static_cast<size_t>(data.Count()));
    for (int row = 0; row < data.Count(); ++row)
        order.push_back(SortEntry{data.Row(row).param, row});
    // The rows stay in place while the comparison runs, so that it may read the list.
    MergeSort(order, EntryOrder(compare, extra));
    data.rows.rearrange([&](size_t place) { return static_cast<size_t>(order[place].row); });
    const auto anchor = std::find_if(
        order.begin(), order.end(), [&](const SortEntry& each) { return each.row == data.anchor; });
    data.anchor = anchor == order.end() ? -1 : static_cast<int>(anchor - order.begin());
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}
