#include "vornui/templates/PreviewText.h"

#include "vornui/templates/AsciiCalendar.h"

#include <charconv>
#include <cstdint>

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

// The fields of "%d/%m/%y %H:%M" are two digits each (strftime pads them with zeros). The
// zone's arithmetic spares a million rows a localtime each.
const char* FormatLocalMinute(const CTime& time, CLocalZone& zone, PreviewTimeText& text) {
    constexpr int64_t kDay = 86400;
    int64_t local = 0;
    if (!zone.UtcToLocalSeconds(time.GetTime(), local)) {
        text[0] = '\0';
        return text;
    }
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
