#include "vornui/templates/NumberScan.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

bool IsSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

const char* SkipSpaces(const char* text) {
    while (IsSpace(*text))
        ++text;
    return text;
}

// Reads [sign]digits as strtol does in a 64-bit long (saturating), then keeps the low 32
// bits as scanf stores into an int. Returns the end of the number, nullptr without digits.
const char* ReadDecimal(const char* text, int& value) {
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (!IsDigit(*text))
        return nullptr;
    constexpr uint64_t kLimit = (uint64_t{1} << 63) / 10;
    uint64_t magnitude = 0;
    bool overflow = false;
    for (; IsDigit(*text); ++text) {
        if (magnitude > kLimit)
            overflow = true;
        else
            magnitude = magnitude * 10 + static_cast<uint64_t>(*text - '0');
    }
    constexpr uint64_t kMinMagnitude = uint64_t{1} << 63;
    if (overflow || magnitude > (negative ? kMinMagnitude : kMinMagnitude - 1))
        magnitude = negative ? kMinMagnitude : kMinMagnitude - 1;
    const uint64_t bits = negative ? uint64_t{0} - magnitude : magnitude;
    value = static_cast<int>(static_cast<uint32_t>(bits));
    return text;
}

// The end of a plain decimal floating-point number at `text` (after blanks), or nullptr
// when the text needs the C library: hexadecimal, inf/nan, a dangling exponent.
const char* PlainDoubleEnd(const char* text) {
    const char* p = text;
    if (*p == '+' || *p == '-')
        ++p;
    const char* digits = p;
    while (IsDigit(*p))
        ++p;
    const bool singleZero = p == digits + 1 && *digits == '0';
    size_t count = static_cast<size_t>(p - digits);
    if (*p == '.') {
        const char* fraction = ++p;
        while (IsDigit(*p))
            ++p;
        count += static_cast<size_t>(p - fraction);
    } else if (singleZero && (*p == 'x' || *p == 'X')) {
        return nullptr;
    }
    if (count == 0)
        return nullptr;
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (!IsDigit(*exponent))
            return nullptr;
        while (IsDigit(*exponent))
            ++exponent;
        p = exponent;
    }
    return p;
}

bool CanStartDouble(char ch) {
    switch (ch) {
    case '+':
    case '-':
    case '.':
    case 'i':
    case 'I':
    case 'n':
    case 'N':
        return true;
    default:
        return IsDigit(ch);
    }
}

// A plain unsigned or signed decimal for "%i": no blanks, and no leading zero that would
// make it octal or hexadecimal. Returns the end, nullptr when the C library must decide.
const char* ReadPlainInteger(const char* text, int& value) {
    const char* digits = (*text == '+' || *text == '-') ? text + 1 : text;
    if (!IsDigit(*digits) ||
        (digits[0] == '0' && (IsDigit(digits[1]) || digits[1] == 'x' || digits[1] == 'X')))
        return nullptr;
    return ReadDecimal(text, value);
}

int ScanSexagesimalSlowly(const char* text, int& whole, int& minutes, double& seconds) {
    char separator = 0;
    return std::sscanf(text, "%i%c%i%c%lf", &whole, &separator, &minutes, &separator, &seconds);
}

} // namespace

bool ScanInt(const char* text, int& value) {
    return ReadDecimal(SkipSpaces(text), value) != nullptr;
}

bool ScanDouble(const char* text, double& value) {
    const char* start = SkipSpaces(text);
    if (!CanStartDouble(*start))
        return false;
    if (const char* end = PlainDoubleEnd(start)) {
        double result = 0.0;
        const char* first = *start == '+' ? start + 1 : start;
        const auto [stop, error] = std::from_chars(first, end, result);
        if (error == std::errc() && stop == end) {
            value = result;
            return true;
        }
    }
    return std::sscanf(text, "%lf", &value) == 1;
}

int ScanSexagesimal(const char* text, int& whole, int& minutes, double& seconds) {
    int first = 0;
    const char* p = ReadPlainInteger(text, first);
    if (!p)
        return ScanSexagesimalSlowly(text, whole, minutes, seconds);
    if (*p == '\0') {
        whole = first;
        return 1;
    }
    int second = 0;
    const char* q = ReadPlainInteger(p + 1, second);
    if (!q)
        return ScanSexagesimalSlowly(text, whole, minutes, seconds);
    whole = first;
    minutes = second;
    if (*q == '\0')
        return 3;
    return ScanDouble(q + 1, seconds) ? 5 : 4;
}

int TruncateToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}
