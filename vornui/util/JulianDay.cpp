#include "vornui/util/JulianDay.h"

#include <ctime>

int GetJulianDay(const CTime& time) {
    struct tm local {};
    if (!time.GetLocalTm(&local))
        return 0;
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int year = local.tm_year + 1900;
    const bool leap = year % 4 == 0;
    return kDaysBefore[local.tm_mon] + (leap && local.tm_mon > 1 ? 1 : 0) + local.tm_mday;
}
