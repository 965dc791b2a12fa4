#include "vornui/templates/PreviewText.h"

#include <cstdio>
#include <ctime>

const char* FormatTwoDecimals(double value, PreviewNumberText& text) {
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// snprintf with two-digit fields gives strftime's text at a fraction of its cost.
const char* FormatLocalMinute(const CTime& time, PreviewTimeText& text) {
    struct tm local {};
    if (!time.GetLocalTm(&local)) {
        text[0] = '\0';
        return text;
    }
    const int yearOfCentury = ((local.tm_year + 1900) % 100 + 100) % 100;
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  yearOfCentury, local.tm_hour, local.tm_min);
    return text;
}
