#include "vornui/lists/ListSortKeys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numeric>

namespace {

std::string Fold(std::string_view text) {
    std::string folded(text);
    for (char& each : folded)
        each = ToLower1252(each);
    return folded;
}

// Byte order of the folded texts: the sign the case-insensitive comparison gives.
int CompareFolded(const std::string& first, const std::string& second) {
    const int result = first.compare(second);
    return (result > 0) - (result < 0);
}

int CompareNumbers(double first, double second) {
    // A "nan" is neither smaller nor greater than anything: it equals every number.
    if (first < second)
        return -1;
    return first > second ? 1 : 0;
}

} // namespace

double ReadSortNumber(const char* text) {
    char* end = nullptr;
    const double number = std::strtod(text, &end);
    return end == text ? 0 : number;
}

ListSortKey MakeSortKey(const char* text) {
    ListSortKey key = MakeSortKey(text, false, true);
    key.number = ReadSortNumber(text);
    return key;
}

ListSortKey MakeSortKey(const char* text, bool numbers, bool split) {
    ListSortKey key;
    if (numbers) {
        key.number = ReadSortNumber(text);
        return key;
    }
    key.folded = Fold(text);
    if (const char* found = split ? std::strstr(text, "_S") : nullptr) {
        key.split = true;
        const size_t at = static_cast<size_t>(found - text);
        key.rotated.reserve(key.folded.size());
        key.rotated.append(key.folded, at).append(key.folded, 0, at);
    }
    return key;
}

int CompareSortKeys(const ListSortKey& first, const ListSortKey& second, bool numbers, bool split) {
    if (numbers)
        return CompareNumbers(first.number, second.number);
    if (split && first.split && second.split)
        return CompareFolded(first.rotated, second.rotated);
    return CompareFolded(first.folded, second.folded);
}

ListSortKeys::ListSortKeys(const std::vector<LPARAM>& data, const std::vector<CString>& texts,
                           bool numbers, bool split)
    : m_numbers(numbers), m_split(split) {
    m_keys.reserve(texts.size());
    for (const CString& text : texts)
        m_keys.push_back(MakeSortKey(text, numbers, split));
    IndexData(data);
    RankKeys();
}

void ListSortKeys::IndexData(const std::vector<LPARAM>& data) {
    m_dense.clear();
    m_sparse.clear();
    m_distinct = true;
    if (data.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(data.begin(), data.end());
    m_lowest = *lowest;
    const auto span =
        static_cast<unsigned long long>(*highest) - static_cast<unsigned long long>(*lowest);
    const bool dense = span < 2 * static_cast<unsigned long long>(data.size()) + 16;
    if (dense)
        m_dense.assign(static_cast<size_t>(span) + 1, -1);
    for (size_t row = 0; row < data.size(); ++row) {
        const int index = static_cast<int>(row);
        if (dense) {
            int& slot = m_dense[static_cast<size_t>(data[row] - m_lowest)];
            m_distinct = m_distinct && slot < 0;
            if (slot < 0)
                slot = index;
        } else {
            // Keeps the first row of repeated data.
            m_distinct = m_sparse.emplace(data[row], index).second && m_distinct;
        }
    }
}

void ListSortKeys::NumberRows() {
    std::vector<LPARAM> numbers(m_keys.size());
    std::iota(numbers.begin(), numbers.end(), LPARAM{0});
    IndexData(numbers);
}

void ListSortKeys::RankKeys() {
    const bool consistent =
        m_numbers
            ? std::none_of(m_keys.begin(), m_keys.end(),
                           [](const ListSortKey& key) { return std::isnan(key.number); })
            : !m_split || std::all_of(m_keys.begin(), m_keys.end(), [this](const ListSortKey& key) {
                  return key.split == m_keys.front().split;
              });
    if (!consistent || m_keys.empty())
        return;
    // Within such an order a key is one number or one text, whichever the comparison reads.
    const bool rotated = m_split && m_keys.front().split;
    const auto text = [&](int row) -> const std::string& {
        const ListSortKey& key = m_keys[static_cast<size_t>(row)];
        return rotated ? key.rotated : key.folded;
    };
    std::vector<int> order(m_keys.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_numbers)
        std::sort(order.begin(), order.end(), [this](int a, int b) {
            return m_keys[static_cast<size_t>(a)].number < m_keys[static_cast<size_t>(b)].number;
        });
    else
        std::sort(order.begin(), order.end(), [&](int a, int b) { return text(a) < text(b); });
    std::vector<int> rank(m_keys.size(), 0);
    int place = 0;
    for (size_t each = 1; each < order.size(); ++each) {
        const int before = order[each - 1];
        const int row = order[each];
        const bool equal = m_numbers ? !(m_keys[static_cast<size_t>(before)].number <
                                         m_keys[static_cast<size_t>(row)].number)
                                     : text(before) == text(row);
        place += equal ? 0 : 1;
        rank[static_cast<size_t>(row)] = place;
    }
    m_rank = std::move(rank);
}

int ListSortKeys::RowOf(LPARAM data) const {
    if (!m_dense.empty()) {
        const auto offset =
            static_cast<unsigned long long>(data) - static_cast<unsigned long long>(m_lowest);
        return data >= m_lowest && offset < m_dense.size() ? m_dense[static_cast<size_t>(offset)]
                                                           : -1;
    }
    const auto found = m_sparse.find(data);
    return found == m_sparse.end() ? -1 : found->second;
}

const ListSortKey* ListSortKeys::Find(LPARAM data) const {
    const int row = RowOf(data);
    return row < 0 ? nullptr : &m_keys[static_cast<size_t>(row)];
}

std::optional<int> ListSortKeys::Compare(LPARAM first, LPARAM second) const {
    const int a = RowOf(first);
    const int b = RowOf(second);
    if (a < 0 || b < 0)
        return std::nullopt;
    if (m_rank.empty())
        return CompareSortKeys(m_keys[static_cast<size_t>(a)], m_keys[static_cast<size_t>(b)],
                               m_numbers, m_split);
    const int placeA = m_rank[static_cast<size_t>(a)];
    const int placeB = m_rank[static_cast<size_t>(b)];
    return (placeA > placeB) - (placeA < placeB);
}
