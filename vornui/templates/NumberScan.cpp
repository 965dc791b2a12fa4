#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <locale.h>

namespace {

using number_scan::IsDigit;
using number_scan::ReadDecimal;
using number_scan::SkipSpaces;

// A plain decimal floating-point number: [sign]digits[.digits][e[sign]digits].
struct PlainNumber {
    const char* end = nullptr; // nullptr: not plain (hexadecimal, inf/nan, dangling exponent)
    bool negative = false;
    uint64_t mantissa = 0; // the digits as an integer while there are at most 19
    int digits = 0;
    int exponent = 0; // the power of ten that scales the mantissa
};

const char* ReadExponent(const char* p, int& exponent) {
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (!IsDigit(*p))
        return nullptr;
    int value = 0;
    for (; IsDigit(*p); ++p)
        value = std::min(value * 10 + (*p - '0'), 100000);
    exponent = negative ? -value : value;
    return p;
}

PlainNumber ReadPlainNumber(const char* text) {
    PlainNumber number;
    const char* p = text;
    number.negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    const char* integer = p;
    for (; IsDigit(*p); ++p, ++number.digits)
        number.mantissa = number.mantissa * 10 + static_cast<uint64_t>(*p - '0');
    const bool singleZero = p == integer + 1 && *integer == '0';
    int fraction = 0;
    if (*p == '.') {
        for (++p; IsDigit(*p); ++p, ++fraction)
            number.mantissa = number.mantissa * 10 + static_cast<uint64_t>(*p - '0');
        number.digits += fraction;
    } else if (singleZero && (*p == 'x' || *p == 'X')) {
        return number;
    }
    if (number.digits == 0)
        return number;
    int exponent = 0;
    if (*p == 'e' || *p == 'E') {
        p = ReadExponent(p + 1, exponent);
        if (!p)
            return number;
    }
    number.exponent = exponent - fraction;
    number.end = p;
    return number;
}

// Exact when the digits and the power of ten are both exact doubles: one correctly rounded
// multiplication or division then gives the correctly rounded result, as strtod does.
bool ExactDouble(const PlainNumber& number, double& value) {
    if (number.digits > 19 || number.mantissa > (uint64_t{1} << 53) || number.exponent < -22 ||
        number.exponent > 22)
        return false;
    const double mantissa = static_cast<double>(number.mantissa);
    const double magnitude = number.exponent < 0
                                 ? mantissa / number_scan::kExactPowersOfTen[-number.exponent]
                                 : mantissa * number_scan::kExactPowersOfTen[number.exponent];
    value = number.negative ? -magnitude : magnitude;
    return true;
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

// Files are written with a decimal point whatever locale the host has chosen, so the C
// library reads them in the "C" locale.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }

    locale_t m_previous;
};

int ScanSexagesimalSlowly(const char* text, int& whole, int& minutes, double& seconds) {
    const CLocaleScope c;
    char separator = 0;
    return std::sscanf(text, "%i%c%i%c%lf", &whole, &separator, &minutes, &separator, &seconds);
}

} // namespace

const char* number_scan::ReadLongPlainDouble(const char* text, double& value) {
    const PlainNumber number = ReadPlainNumber(text);
    if (!number.end)
        return nullptr;
    if (ExactDouble(number, value))
        return number.end;
    double result = 0.0;
    const char* first = *text == '+' ? text + 1 : text;
    const auto [stop, error] = std::from_chars(first, number.end, result);
    if (error != std::errc() || stop != number.end)
        return nullptr;
    value = result;
    return number.end;
}

bool ScanDouble(const char* text, double& value) {
    const char* start = SkipSpaces(text);
    if (ReadPlainDouble(start, value))
        return true;
    if (!CanStartDouble(*start))
        return false;
    const CLocaleScope c;
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
