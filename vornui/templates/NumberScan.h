#pragma once

// The C library's scanf conversions that data and template files are read with, answered
// without a scanf call for the plain forms that make up nearly every file. Anything
// unusual (hexadecimal, octal, infinities, numbers beyond range) goes to sscanf itself, so
// the answers are the C library's on every input: those of its "C" locale, since files
// are written with a decimal point whatever locale the host has chosen.

#include <climits>
#include <cstdint>

namespace number_scan {

inline bool IsSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

inline bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

inline const char* SkipSpaces(const char* text) {
    while (IsSpace(*text))
        ++text;
    return text;
}

// The magnitude of a run of more than eighteen digits, saturated past 2^63 as strtol
// saturates.
inline uint64_t SaturatedMagnitude(const char* digits, const char* end) {
    constexpr uint64_t kSaturated = (uint64_t{1} << 63) + 1;
    uint64_t magnitude = 0;
    for (; digits != end; ++digits) {
        if (magnitude > kSaturated / 10)
            return kSaturated;
        magnitude = magnitude * 10 + static_cast<uint64_t>(*digits - '0');
    }
    return magnitude;
}

// Reads [sign]digits as strtol does in a 64-bit long (saturating), then keeps the low 32
// bits as scanf stores into an int. Returns the end of the number, nullptr without digits.
inline const char* ReadDecimal(const char* text, int& value) {
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (!IsDigit(*text))
        return nullptr;
    // Eighteen digits cannot overflow, so the common short number needs one test a digit;
    // a longer one is read again with the checks.
    const char* const first = text;
    uint64_t magnitude = 0;
    for (; IsDigit(*text); ++text)
        magnitude = magnitude * 10 + static_cast<uint64_t>(*text - '0');
    if (text - first > 18)
        magnitude = SaturatedMagnitude(first, text);
    constexpr uint64_t kMinMagnitude = uint64_t{1} << 63;
    if (magnitude > (negative ? kMinMagnitude : kMinMagnitude - 1))
        magnitude = negative ? kMinMagnitude : kMinMagnitude - 1;
    const uint64_t bits = negative ? uint64_t{0} - magnitude : magnitude;
    value = static_cast<int>(static_cast<uint32_t>(bits));
    return text;
}

// Powers of ten that doubles hold exactly.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// [sign]digits[.digits] of at most fifteen digits and without exponent, the form of nearly
// every number in a data file: its digits and the power of ten are exact doubles, so one
// correctly rounded division gives strtod's answer. Returns the end, nullptr for any other
// form (which ReadPlainDouble then reads the long way).
inline const char* ReadShortDouble(const char* text, double& value) {
    // Signs come and go at random in a column of levels, so they are taken without a branch.
    static constexpr double kSigns[] = {1.0, -1.0};
    const bool negative = *text == '-';
    text += negative || *text == '+' ? 1 : 0;
    const char* const first = text;
    uint64_t mantissa = 0;
    for (; IsDigit(*text); ++text)
        mantissa = mantissa * 10 + static_cast<uint64_t>(*text - '0');
    const long whole = text - first;
    long fraction = 0;
    if (*text == '.') {
        const char* const point = ++text;
        for (; IsDigit(*text); ++text)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*text - '0');
        fraction = text - point;
    }
    const long digits = whole + fraction;
    const char next = *text;
    if (digits == 0 || digits > 15 || next == 'e' || next == 'E' || next == 'x' || next == 'X')
        return nullptr;
    // Multiplying by -1 keeps the sign of a zero, as strtod gives "-0" its sign.
    value = static_cast<double>(mantissa) / kExactPowersOfTen[fraction] * kSigns[negative];
    return text;
}

// ReadPlainDouble for the forms ReadShortDouble leaves.
const char* ReadLongPlainDouble(const char* text, double& value);

} // namespace number_scan

// sscanf(text, "%d", &value) == 1; `value` is untouched on failure.
inline bool ScanInt(const char* text, int& value) {
    return number_scan::ReadDecimal(number_scan::SkipSpaces(text), value) != nullptr;
}
// sscanf(text, "%lf", &value) == 1; `value` is untouched on failure.
bool ScanDouble(const char* text, double& value);
// The plain decimal number [sign]digits[.digits][e[sign]digits] that starts at `text`, as
// ScanDouble reads it; returns its end. Nullptr, with `value` untouched, when the text
// starts with no such number or only the C library can tell its value.
inline const char* ReadPlainDouble(const char* text, double& value) {
    if (const char* end = number_scan::ReadShortDouble(text, value))
        return end;
    return number_scan::ReadLongPlainDouble(text, value);
}
// sscanf(text, "%i%c%i%c%lf", &whole, &separator, &minutes, &separator, &seconds): the
// count of parts read (-1 for an empty text); parts not read are untouched.
int ScanSexagesimal(const char* text, int& whole, int& minutes, double& seconds);

// A double converted to a 32-bit integer by truncation toward zero; values beyond the
// range (and NaN) give INT_MIN, as the processor's conversion does.
inline int TruncateToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}
