#include "vornui/templates/PreviewText.h"

#include <charconv>
#include <ctime>

namespace {

char* TwoDigits(int value, char* out) {
    const int digits = (value % 100 + 100) % 100;
    out[0] = static_cast<char>('0' + digits / 10);
    out[1] = static_cast<char>('0' + digits % 10);
    return out + 2;
}

} // namespace

// to_chars gives printf's "%.2f" text (both round the exact binary value), without the
// cost of parsing a format for each of a million values.
const char* FormatTwoDecimals(double value, PreviewNumberText& text) {
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, 2);
    *result.ptr = '\0';
    return text;
}

// The fields of "%d/%m/%y %H:%M" are two digits each (strftime pads them with zeros).
const char* FormatLocalMinute(const CTime& time, PreviewTimeText& text) {
    struct tm local {};
    if (!time.GetLocalTm(&local)) {
        text[0] = '\0';
        return text;
    }
    char* out = TwoDigits(local.tm_mday, text);
    *out++ = '/';
    out = TwoDigits(local.tm_mon + 1, out);
    *out++ = '/';
    out = TwoDigits(local.tm_year + 1900, out);
    *out++ = ' ';
    out = TwoDigits(local.tm_hour, out);
    *out++ = ':';
    out = TwoDigits(local.tm_min, out);
    *out = '\0';
    return text;
}
