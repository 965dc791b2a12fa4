#include "vornui/lists/ListSortKeys.h"

#include <algorithm>
#include <cstdint>
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
        return ListSortKeys::CompareNumbers(first.number, second.number);
    if (split && first.split && second.split)
        return CompareFolded(first.rotated, second.rotated);
    return CompareFolded(first.folded, second.folded);
}

namespace {

std::vector<ListSortKey> KeysOf(const std::vector<CString>& texts, bool split) {
    std::vector<ListSortKey> keys;
    keys.reserve(texts.size());
    for (const CString& text : texts)
        keys.push_back(MakeSortKey(text, false, split));
    return keys;
}

std::vector<double> NumbersOf(const std::vector<CString>& texts) {
    std::vector<double> numbers;
    numbers.reserve(texts.size());
    for (const CString& text : texts)
        numbers.push_back(ReadSortNumber(text));
    return numbers;
}

} // namespace

ListSortKeys::ListSortKeys(const std::vector<LPARAM>& data, const std::vector<CString>& texts,
                           bool numbers, bool split)
    : ListSortKeys(numbers ? ListSortKeys(data, NumbersOf(texts))
                           : ListSortKeys(data, KeysOf(texts, split), split)) {}

ListSortKeys::ListSortKeys(const std::vector<LPARAM>& data, std::vector<ListSortKey> keys,
                           bool split)
    : m_keys(std::move(keys)), m_numbers(false), m_split(split) {
    IndexData(data);
    const bool consistent =
        !m_split || std::all_of(m_keys.begin(), m_keys.end(), [this](const ListSortKey& key) {
            return key.split == m_keys.front().split;
        });
    // Within such an order a key is one text, whichever the comparison reads.
    if (consistent && !m_keys.empty())
        RankTexts(m_split && m_keys.front().split);
    PlaceData();
}

ListSortKeys::ListSortKeys(const std::vector<LPARAM>& data, std::vector<double> numbers)
    : m_rowNumbers(std::move(numbers)), m_numbers(true), m_split(false) {
    IndexData(data);
    PlaceData();
}

void ListSortKeys::IndexData(const std::vector<LPARAM>& data) {
    m_dense.clear();
    m_sparse.clear();
    m_distinct = true;
    if (data.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(data.begin(), data.end());
    m_lowest = static_cast<unsigned long long>(*lowest);
    const auto span = static_cast<unsigned long long>(*highest) - m_lowest;
    const bool dense = span < 2 * static_cast<unsigned long long>(data.size()) + 16;
    if (dense)
        m_dense.assign(static_cast<size_t>(span) + 1, -1);
    for (size_t row = 0; row < data.size(); ++row) {
        const int index = static_cast<int>(row);
        if (dense) {
            int& slot =
                m_dense[static_cast<size_t>(static_cast<unsigned long long>(data[row]) - m_lowest)];
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
    std::vector<LPARAM> numbers(m_numbers ? m_rowNumbers.size() : m_keys.size());
    std::iota(numbers.begin(), numbers.end(), LPARAM{0});
    IndexData(numbers);
    PlaceData();
}

void ListSortKeys::PlaceData() {
    m_placeOfData.clear();
    m_numberOfData.clear();
    if (m_numbers) {
        m_numberOfData.reserve(m_dense.size());
        for (const int row : m_dense)
            m_numberOfData.push_back(row < 0 ? std::numeric_limits<double>::quiet_NaN()
                                             : m_rowNumbers[static_cast<size_t>(row)]);
        return;
    }
    if (m_rank.empty() || m_dense.empty())
        return;
    m_placeOfData.reserve(m_dense.size());
    for (const int row : m_dense)
        m_placeOfData.push_back(row < 0 ? -1 : m_rank[static_cast<size_t>(row)]);
}

namespace {

// A text's first sixteen bytes as two numbers that order as the bytes do (zeros after its
// end, which no text holds), so that most comparisons of a sort never leave the array.
struct TextPrefix {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    int row = 0;

    TextPrefix(const std::string& text, int textRow) : row(textRow) {
        for (size_t each = 0; each < 16 && each < text.size(); ++each) {
            std::uint64_t& half = each < 8 ? high : low;
            half |= std::uint64_t{static_cast<unsigned char>(text[each])} << (56 - 8 * (each % 8));
        }
    }
};

} // namespace

void ListSortKeys::RankTexts(bool rotated) {
    const auto text = [&](int row) -> const std::string& {
        const ListSortKey& key = m_keys[static_cast<size_t>(row)];
        return rotated ? key.rotated : key.folded;
    };
    // Texts equal in their prefixes compare by what follows it.
    const auto order = [&](const TextPrefix& a, const TextPrefix& b) {
        if (a.high != b.high)
            return a.high < b.high ? -1 : 1;
        if (a.low != b.low)
            return a.low < b.low ? -1 : 1;
        return CompareFolded(text(a.row), text(b.row));
    };
    std::vector<TextPrefix> prefixes;
    prefixes.reserve(m_keys.size());
    for (size_t row = 0; row < m_keys.size(); ++row)
        prefixes.emplace_back(text(static_cast<int>(row)), static_cast<int>(row));
    std::sort(prefixes.begin(), prefixes.end(),
              [&](const TextPrefix& a, const TextPrefix& b) { return order(a, b) < 0; });
    m_rank.assign(m_keys.size(), 0);
    int place = 0;
    for (size_t each = 1; each < prefixes.size(); ++each) {
        place += order(prefixes[each - 1], prefixes[each]) < 0 ? 1 : 0;
        m_rank[static_cast<size_t>(prefixes[each].row)] = place;
    }
}

int ListSortKeys::RowOf(LPARAM data) const {
    if (!m_dense.empty()) {
        // Data below the lowest wrap around to offsets past the table.
        const auto offset = static_cast<unsigned long long>(data) - m_lowest;
        return offset < m_dense.size() ? m_dense[static_cast<size_t>(offset)] : -1;
    }
    const auto found = m_sparse.find(data);
    return found == m_sparse.end() ? -1 : found->second;
}

std::optional<int> ListSortKeys::CompareRows(LPARAM first, LPARAM second) const {
    const int a = RowOf(first);
    const int b = RowOf(second);
    if (a < 0 || b < 0)
        return std::nullopt;
    const auto rowA = static_cast<size_t>(a);
    const auto rowB = static_cast<size_t>(b);
    if (m_numbers)
        return CompareNumbers(m_rowNumbers[rowA], m_rowNumbers[rowB]);
    if (m_rank.empty())
        return CompareSortKeys(m_keys[rowA], m_keys[rowB], false, m_split);
    return (m_rank[rowA] > m_rank[rowB]) - (m_rank[rowA] < m_rank[rowB]);
}
