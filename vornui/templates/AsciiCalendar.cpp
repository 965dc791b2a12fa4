#include "vornui/templates/AsciiCalendar.h"

#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 3000;
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool InCalendar(int64_t year) {
    return year >= kFirstYear && year <= kLastYear;
}

bool IsLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int64_t YearLength(int64_t year) {
    return InCalendar(year) && IsLeap(year) ? 366 : 365;
}

// Leap years of the calendar span that come before `year`.
int64_t LeapYearsBefore(int64_t year) {
    const int64_t last = std::min<int64_t>(year, kLastYear + 1) - 1;
    if (last < kFirstYear)
        return 0;
    const auto upTo = [](int64_t n) { return n / 4 - n / 100 + n / 400; };
    return upTo(last) - upTo(kFirstYear - 1);
}

int64_t DaysBetweenYears(int64_t from, int64_t to) {
    return 365 * (to - from) + LeapYearsBefore(to) - LeapYearsBefore(from);
}

// Days of the months before `month` (a month beyond December counting as January).
int64_t DaysBeforeMonth(int year, int month) {
    static constexpr int kDaysBefore[13] = {0,   31,  59,  90,  120, 151, 181,
                                            212, 243, 273, 304, 334, 365};
    const int whole = std::min(month - 1, 12);
    const bool leapDay = whole >= 2 && InCalendar(year) && IsLeap(year);
    return kDaysBefore[whole] + (leapDay ? 1 : 0) + int64_t{31} * std::max(month - 1 - 12, 0);
}

double Fraction(double dayNumber) {
    return dayNumber - std::floor(dayNumber);
}

} // namespace

bool AsciiIsLeapYear(int year) {
    return IsLeap(year);
}

int AsciiYearLength(int year) {
    return static_cast<int>(YearLength(year));
}

int AsciiMonthLength(int year, int month) {
    if (month < 1 || month > 12)
        month = 1;
    if (month == 2 && InCalendar(year) && IsLeap(year))
        return 29;
    return kMonthLengths[month - 1];
}

double AsciiDayNumber(int year, int month, int day) {
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    if (!InCalendar(year))
        year = kFirstYear;
    int64_t days = DaysBetweenYears(kFirstYear, year);
    if (month >= 2)
        days += DaysBeforeMonth(year, month);
    return static_cast<double>(int64_t{day} - 1 + days);
}

// A zero part divides to zero, so its division is skipped; the sums come out the same.
double AsciiDayFraction(int hours, int minutes, double seconds) {
    const double withSeconds = seconds == 0 ? minutes : seconds / 60 + minutes;
    const double withMinutes = withSeconds == 0 ? hours : withSeconds / 60 + hours;
    return withMinutes / 24;
}

AsciiDate AsciiDateFromDayNumber(double dayNumber, int baseYear) {
    int64_t days = TruncateToInt32(std::floor(dayNumber));
    int64_t year = baseYear;
    // Whole years in one step while at least 366 days remain, then year by year.
    if (days >= 366) {
        const int64_t years = days / 366;
        days -= DaysBetweenYears(year, year + years);
        year += years;
    }
    while (days >= YearLength(year)) {
        days -= YearLength(year);
        ++year;
    }
    int month = 1;
    while (days >= AsciiMonthLength(static_cast<int>(year), month)) {
        days -= AsciiMonthLength(static_cast<int>(year), month);
        ++month;
    }
    return AsciiDate{static_cast<int>(year), month, static_cast<int>(days + 1)};
}

AsciiTimeOfDay AsciiTimeFromDayNumber(double dayNumber) {
    const int ms = TruncateToInt32(std::floor(Fraction(dayNumber) * 24 * 60 * 60 * 1000 + 0.5));
    return AsciiTimeOfDay{ms / 3600000, (ms / 60000) % 60, (ms % 60000) / 1000.0};
}

struct tm AsciiBrokenDownTime(double dayNumber, int baseYear, double* seconds) {
    const AsciiDate date = AsciiDateFromDayNumber(dayNumber, baseYear);
    const AsciiTimeOfDay time = AsciiTimeFromDayNumber(dayNumber);
    struct tm fields {};
    fields.tm_year = static_cast<int>(int64_t{date.year} - 1900);
    fields.tm_mon = date.month - 1;
    fields.tm_mday = date.day;
    fields.tm_hour = time.hours;
    fields.tm_min = time.minutes;
    fields.tm_sec = static_cast<int>(std::floor(time.seconds));
    fields.tm_isdst = -1;
    if (seconds)
        *seconds = time.seconds;
    return fields;
}
