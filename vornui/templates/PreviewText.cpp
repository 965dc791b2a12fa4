#include "vornui/templates/PreviewText.h"

#include "vornui/templates/AsciiCalendar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

char* TwoDigits(int value, char* out) {
    const int digits = (value % 100 + 100) % 100;
    out[0] = static_cast<char>('0' + digits / 10);
    out[1] = static_cast<char>('0' + digits % 10);
    return out + 2;
}

// Below it the product of a magnitude by 100 lies below 2^52, where its whole part and
// fraction are exact and halves are representable.
constexpr double kExactLimit = 1e13;

// The hundredths of `magnitude` (0 up to kExactLimit) rounded as printf rounds them: the
// exact binary value to the nearest, a tie to even. The product is split into its rounded
// value and the exact rest, which decides only a product that lies on a half.
uint64_t RoundedHundredths(double magnitude) {
    const double product = magnitude * 100;
    const double rest = std::fma(magnitude, 100, -product);
    const double whole = std::floor(product);
    const double fraction = product - whole;
    auto rounded = static_cast<uint64_t>(whole);
    const bool up =
        fraction > 0.5 || (fraction == 0.5 && (rest > 0 || (rest == 0 && rounded % 2 == 1)));
    return rounded + (up ? 1 : 0);
}

} // namespace

// printf's "%.2f" text without the cost of parsing a format for each of a million values:
// written from the rounded hundredths where they are exact, by to_chars (which rounds as
// printf does) elsewhere.
const char* FormatTwoDecimals(double value, PreviewNumberText& text) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < kExactLimit)) {
        const std::to_chars_result result =
            std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, 2);
        *result.ptr = '\0';
        return text;
    }
    const uint64_t hundredths = RoundedHundredths(magnitude);
    char digits[24];
    char* first = std::end(digits);
    for (uint64_t whole = hundredths / 100; first == std::end(digits) || whole > 0; whole /= 10)
        *--first = static_cast<char>('0' + whole % 10);
    char* out = text;
    if (std::signbit(value))
        *out++ = '-';
    out = std::copy(first, std::end(digits), out);
    *out++ = '.';
    out = TwoDigits(static_cast<int>(hundredths % 100), out);
    *out = '\0';
    return text;
}

// The fields of "%d/%m/%y %H:%M" are two digits each (strftime pads them with zeros). The
// zone's arithmetic spares a million rows a localtime each.
const char* FormatLocalMinute(int64_t local, PreviewTimeText& text) {
    constexpr int64_t kDay = 86400;
    const int64_t days = local / kDay - (local % kDay < 0 ? 1 : 0);
    const int secondOfDay = static_cast<int>(local - days * kDay);
    const AsciiDate date = AsciiGregorianDate(days);
    char* out = TwoDigits(date.day, text);
    *out++ = '/';
    out = TwoDigits(date.month, out);
    *out++ = '/';
    out = TwoDigits(date.year, out);
    *out++ = ' ';
    out = TwoDigits(secondOfDay / 3600, out);
    *out++ = ':';
    out = TwoDigits(secondOfDay / 60 % 60, out);
    *out = '\0';
    return text;
}
