#include "vornui/lists/ListSortKeys.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <numeric>

namespace {

// ToLower1252 of every byte, looked up rather than called: a sort folds every cell.
const std::array<char, 256>& FoldingTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> made{};
        for (size_t byte = 0; byte < made.size(); ++byte)
            made[byte] = ToLower1252(static_cast<char>(byte));
        return made;
    }();
    return table;
}

std::string Fold(std::string_view text) {
    const std::array<char, 256>& table = FoldingTable();
    std::string folded(text);
    for (char& each : folded)
        each = table[static_cast<unsigned char>(each)];
    return folded;
}

// Byte order of the folded texts: the sign the case-insensitive comparison gives.
int CompareFolded(const std::string& first, const std::string& second) {
    const int result = first.compare(second);
    return (result > 0) - (result < 0);
}

// Reads the digits at `at` onto the end of `value`; where they end.
const char* ReadDigits(const char* at, std::uint64_t& value) {
    // More than 19 digits wrap round; the caller counts them and does not use the value.
    for (unsigned digit = 0; (digit = static_cast<unsigned char>(*at) - '0') < 10; ++at)
        value = value * 10 + digit;
    return at;
}

// A short decimal as "%lf" reads it, when one division reads it exactly: at most a minus,
// digits with at most one point, no exponent, in a locale whose decimal point is a point,
// whose digits, at most 19, make an integer of at most 2^53. Both that integer and the power
// of ten (up to 10^19) are then doubles exactly, and the division rounds once, as strtod
// does. Nothing for every other text (spaces, a plus, hex, "inf", "nan", an exponent, long
// digits, no number at all).
std::optional<double> ReadShortDecimal(const char* text) {
    constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
    constexpr long kMostDigits = 19; // any 19 digits fit in 64 bits
    // The radix alone, where localeconv would fill in the whole of the locale's numbers.
    if (*nl_langinfo(RADIXCHAR) != '.')
        return std::nullopt;
    const bool negative = *text == '-';
    const char* const whole = text + (negative ? 1 : 0);
    std::uint64_t digits = 0;
    const char* const point = ReadDigits(whole, digits);
    const bool fractional = *point == '.';
    const char* const end = fractional ? ReadDigits(point + 1, digits) : point;
    const long fraction = fractional ? end - point - 1 : 0;
    const long count = (point - whole) + fraction;
    // "0x" starts hex; an 'e' may start an exponent.
    const bool more = *end == 'x' || *end == 'X' || *end == 'e' || *end == 'E';
    if (count == 0 || count > kMostDigits || more || digits > kExactIntegers)
        return std::nullopt;
    static constexpr std::array<double, kMostDigits + 1> kPowers = [] {
        std::array<double, kMostDigits + 1> powers{};
        double power = 1;
        for (double& each : powers) {
            each = power;
            power *= 10;
        }
        return powers;
    }();
    const double number = static_cast<double>(digits) / kPowers[static_cast<size_t>(fraction)];
    return negative ? -number : number;
}

} // namespace

double ReadSortNumber(const char* text) {
    // A column of depths reads a million numbers a sort: short decimals, nearly all of
    // them, are read without strtod's general reading.
    if (const std::optional<double> number = ReadShortDecimal(text))
        return *number;
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

namespace {

// An integer that orders as the number does among all but "nan" (none is kNoNumber):
// the bits of a double order as the number when it is positive, and the other way round
// when it is negative.
std::int64_t OrderOfNumber(double number) {
    const auto bits = std::bit_cast<std::uint64_t>(number == 0 ? 0.0 : number); // -0 is 0
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    const std::uint64_t ordered = (bits & kSign) ? ~bits : bits | kSign;
    return static_cast<std::int64_t>(ordered ^ kSign);
}

} // namespace

void ListSortKeys::PlaceData() {
    m_numberOfData.clear();
    m_prefixOfData.clear();
    m_placed = 0;
    if (m_dense.empty())
        return;
    if (m_numbers) {
        m_numberOfData.reserve(m_dense.size());
        for (const int row : m_dense) {
            const auto at = static_cast<size_t>(row);
            const bool none = row < 0 || std::isnan(m_rowNumbers[at]);
            m_numberOfData.push_back(none ? kNoNumber : OrderOfNumber(m_rowNumbers[at]));
        }
        m_placed = m_numberOfData.size();
        return;
    }
    // Within a consistent order a key is one text, whichever pair the comparison reads.
    const bool rotated = m_split && m_keys.front().split;
    const bool consistent =
        !m_split || std::all_of(m_keys.begin(), m_keys.end(),
                                [&](const ListSortKey& key) { return key.split == rotated; });
    if (!consistent)
        return;
    m_prefixOfData.reserve(m_dense.size());
    for (const int row : m_dense) {
        const ListSortKey* const key = row < 0 ? nullptr : &m_keys[static_cast<size_t>(row)];
        m_prefixOfData.push_back(!key      ? TextPrefix{kNoText, 0}
                                 : rotated ? PrefixOf(key->rotated)
                                           : PrefixOf(key->folded));
    }
    m_placed = m_prefixOfData.size();
}

namespace {

// Eight bytes as a number that orders as they do: the first the most significant.
std::uint64_t BigEndianWord(const unsigned char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}

} // namespace

ListSortKeys::TextPrefix ListSortKeys::PrefixOf(const std::string& text) {
    unsigned char bytes[16] = {};
    std::memcpy(bytes, text.data(), std::min(text.size(), sizeof bytes));
    return {BigEndianWord(bytes), BigEndianWord(bytes + 8)};
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
    return CompareSortKeys(m_keys[rowA], m_keys[rowB], false, m_split);
}
