#include "vornui/lists/ListSortKeys.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

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
    ListSortKey key;
    key.folded = Fold(text);
    key.number = ReadSortNumber(text);
    if (const char* found = std::strstr(text, "_S")) {
        key.split = true;
        const size_t at = static_cast<size_t>(found - text);
        key.rotated = key.folded.substr(at) + key.folded.substr(0, at);
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

ListSortKeys::ListSortKeys(const std::vector<LPARAM>& data, const std::vector<CString>& texts) {
    m_keys.reserve(texts.size());
    for (const CString& text : texts)
        m_keys.push_back(MakeSortKey(text));
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
            if (slot < 0)
                slot = index;
        } else {
            m_sparse.emplace(data[row], index); // keeps the first row of repeated data
        }
    }
}

const ListSortKey* ListSortKeys::Find(LPARAM data) const {
    int row = -1;
    if (!m_dense.empty()) {
        const auto offset =
            static_cast<unsigned long long>(data) - static_cast<unsigned long long>(m_lowest);
        if (data >= m_lowest && offset < m_dense.size())
            row = m_dense[static_cast<size_t>(offset)];
    } else if (const auto found = m_sparse.find(data); found != m_sparse.end()) {
        row = found->second;
    }
    return row < 0 ? nullptr : &m_keys[static_cast<size_t>(row)];
}
