// The list view's sort (LVM_SORTITEMS): stable, by a comparison the caller gives, which may
// read the list while it runs and may contradict itself without losing a row.
//
// In a large list the comparison mostly waits for the caller's data of the two items
// (a table far bigger than the processor's caches). The merges are therefore shaped so that
// several comparisons are under way at once: no branch on their answers, and every merge
// run from both ends, two chains that do not wait for each other (four in a long merge, cut
// in two halves). Runs are merged depth first, so that the early merges of neighbouring rows
// stay in the caches.

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

// A merge of run A and run B (which came after it) from both ends at once, two chains of
// comparisons that do not wait for each other: the first half of `out` from the runs' heads,
// the other from their tails. Its steps are forced inline: only while its ends live in the
// merging function's registers does the compiler select entries without a branch.
class TwoEndedMerge {
public:
    TwoEndedMerge(const SortEntry* startA, const SortEntry* stopA, const SortEntry* startB,
                  const SortEntry* stopB, SortEntry* out)
        : m_startA(startA), m_stopA(stopA), m_startB(startB), m_stopB(stopB), m_headA(startA),
          m_headB(startB), m_tailA(stopA), m_tailB(stopB), m_front(out),
          m_back(out + (stopA - startA) + (stopB - startB)),
          m_fromHeads(static_cast<size_t>(m_back - m_front) / 2),
          m_fromTails(static_cast<size_t>(m_back - m_front) - m_fromHeads) {}

    // An end moves at most one entry a round: the rounds that cannot run any end out of its
    // run, so that they go in blocks with the ends checked once a block, not every round.
    size_t SafeRounds() const {
        return std::min({m_fromHeads, static_cast<size_t>(m_stopA - m_headA),
                         static_cast<size_t>(m_stopB - m_headB),
                         static_cast<size_t>(m_tailA - m_startA),
                         static_cast<size_t>(m_tailB - m_startB)});
    }

    [[gnu::always_inline]] void Round(const EntryOrder& before) {
        TakeHead(m_headA, m_headB, before(*m_headB, *m_headA), m_front);
        TakeTail(m_tailA, m_tailB, TailA(before), m_back);
        --m_fromHeads;
        --m_fromTails;
    }

    // Takes the rest with every end checked. False when the two chains did not meet (a
    // comparison that contradicts itself can take an entry from both ends): `out` is then no
    // merge.
    [[gnu::always_inline]] bool Finish(const EntryOrder& before) {
        // Neither end takes every entry, so one run always has an entry left at each end.
        for (; m_fromHeads > 0; --m_fromHeads)
            TakeHead(m_headA, m_headB,
                     m_headA == m_stopA || (m_headB != m_stopB && before(*m_headB, *m_headA)),
                     m_front);
        for (; m_fromTails > 0; --m_fromTails)
            TakeTail(m_tailA, m_tailB,
                     m_tailB == m_startB || (m_tailA != m_startA && TailA(before)), m_back);
        return m_headA == m_tailA;
    }

private:
    // The larger tail goes last; on a tie B's, which came later.
    bool TailA(const EntryOrder& before) const { return before(m_tailB[-1], m_tailA[-1]); }

    const SortEntry* const m_startA;
    const SortEntry* const m_stopA;
    const SortEntry* const m_startB;
    const SortEntry* const m_stopB;
    const SortEntry* m_headA;
    const SortEntry* m_headB;
    const SortEntry* m_tailA;
    const SortEntry* m_tailB;
    SortEntry* m_front;
    SortEntry* m_back;
    size_t m_fromHeads;
    size_t m_fromTails;
};

// Runs the rounds of `merge` that need no check.
[[gnu::always_inline]] inline void RunSafeRounds(TwoEndedMerge& merge, const EntryOrder& before) {
    for (size_t rounds = merge.SafeRounds(); rounds > 0; rounds = merge.SafeRounds())
        for (; rounds > 0; --rounds)
            merge.Round(before);
}

// How many of the first `count` entries of the stable merge of [first, middle) and
// [middle, last) come from the first run, found by halving. Any answer splits the entries
// into two merges that take each exactly once, whatever the comparison says.
size_t TakenFromFirst(const SortEntry* first, const SortEntry* middle, const SortEntry* last,
                      size_t count, const EntryOrder& before) {
    const auto lengthA = static_cast<size_t>(middle - first);
    const auto lengthB = static_cast<size_t>(last - middle);
    size_t low = count > lengthB ? count - lengthB : 0;
    size_t high = std::min(count, lengthA);
    while (low < high) {
        const size_t taken = low + (high - low) / 2;
        // first[taken] is among them unless the entry of the second run it would push out
        // comes strictly before it.
        if (before(middle[count - 1 - taken], first[taken]))
            high = taken;
        else
            low = taken + 1;
    }
    return low;
}

// Merges [first, middle) and [middle, last) into `out`, stably when the comparison is
// consistent; false when it is not, and `out` is then no merge. A long merge is split in two
// at its middle, and both halves run from both ends, four chains at once: each comparison
// waits on the caller's data, which a long merge finds far apart, and four such waits overlap
// where two did.
bool MergeInChains(const SortEntry* first, const SortEntry* middle, const SortEntry* last,
                   SortEntry* out, const EntryOrder& before) {
    constexpr size_t kSplitFrom = 4096;
    const auto count = static_cast<size_t>(last - first);
    if (count < kSplitFrom) {
        TwoEndedMerge merge(first, middle, middle, last, out);
        RunSafeRounds(merge, before);
        return merge.Finish(before);
    }
    const size_t half = count / 2;
    const size_t takenA = TakenFromFirst(first, middle, last, half, before);
    const SortEntry* const splitA = first + takenA;
    const SortEntry* const splitB = middle + (half - takenA);
    TwoEndedMerge lower(first, splitA, middle, splitB, out);
    TwoEndedMerge upper(splitA, middle, splitB, last, out + half);
    for (size_t rounds = std::min(lower.SafeRounds(), upper.SafeRounds()); rounds > 0;
         rounds = std::min(lower.SafeRounds(), upper.SafeRounds()))
        for (; rounds > 0; --rounds) {
            lower.Round(before);
            upper.Round(before);
        }
    RunSafeRounds(lower, before);
    RunSafeRounds(upper, before);
    const bool lowerMet = lower.Finish(before);
    return upper.Finish(before) && lowerMet;
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
        if (!MergeInChains(source + first, source + middle, source + last, target + first,
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
