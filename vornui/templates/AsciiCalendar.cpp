#include "vornui/templates/AsciiCalendar.h"

#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 3000;
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool InCalendar(int64_t year) {
    return year >= kFirstYear && year <= kLastYear;
}

constexpr bool IsLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int64_t YearLength(int64_t year) {
    return InCalendar(year) && IsLeap(year) ? 366 : 365;
}

// Leap years of the calendar span that come before `year`.
constexpr int64_t LeapYearsBefore(int64_t year) {
    const int64_t last = std::min<int64_t>(year, kLastYear + 1) - 1;
    if (last < kFirstYear)
        return 0;
    const auto upTo = [](int64_t n) { return n / 4 - n / 100 + n / 400; };
    return upTo(last) - upTo(kFirstYear - 1);
}

constexpr int64_t DaysBetweenYears(int64_t from, int64_t to) {
    return 365 * (to - from) + LeapYearsBefore(to) - LeapYearsBefore(from);
}

constexpr int64_t kCalendarDays = DaysBetweenYears(kFirstYear, kLastYear + 1);

} // namespace

// Whole 400-year eras counted from 1 March 0000 (the era of a day before it rounded down),
// then centuries, four-year cycles and years inside the era, with the months counted from
// March.
AsciiDate AsciiGregorianDate(int64_t days) {
    const int64_t fromMarch = days + 719468;
    const int64_t era = fromMarch / 146097 - (fromMarch % 146097 < 0 ? 1 : 0);
    const int64_t dayOfEra = fromMarch - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return AsciiDate{year, month, day};
}

namespace {

// Days of the months before `month` (a month beyond December counting as January).
int64_t DaysBeforeMonth(int year, int month) {
    static constexpr int kDaysBefore[13] = {0,   31,  59,  90,  120, 151, 181,
                                            212, 243, 273, 304, 334, 365};
    const int whole = std::min(month - 1, 12);
    const bool leapDay = whole >= 2 && InCalendar(year) && IsLeap(year);
    return kDaysBefore[whole] + (leapDay ? 1 : 0) + int64_t{31} * std::max(month - 1 - 12, 0);
}

// The whole days of a day number (its floor) counted from 1 January 1970, when they lie
// inside the calendar span counted from a base year inside it.
bool DaysSinceFirstYear(double wholeDays, int baseYear, int64_t& sinceFirstYear) {
    const int64_t days = TruncateToInt32(wholeDays);
    if (!InCalendar(baseYear) || days < 0)
        return false;
    sinceFirstYear = DaysBetweenYears(kFirstYear, baseYear) + days;
    return sinceFirstYear < kCalendarDays;
}

// The fraction of a day to the nearest millisecond. The sum is never negative (or NaN), so
// truncation rounds it down.
int Milliseconds(double fraction) {
    return TruncateToInt32(fraction * 24 * 60 * 60 * 1000 + 0.5);
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
    if (int64_t days = 0; DaysSinceFirstYear(std::floor(dayNumber), baseYear, days))
        return AsciiGregorianDate(days);
    // Outside the span a year has 365 days, counted one by one.
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
    const int ms = Milliseconds(dayNumber - std::floor(dayNumber));
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

// The seconds of the broken-down fields, hours, minutes and whole seconds, add up to the
// whole seconds of the milliseconds.
bool AsciiLocalSeconds(double dayNumber, int baseYear, int64_t& seconds) {
    const double wholeDays = std::floor(dayNumber);
    int64_t days = 0;
    if (!DaysSinceFirstYear(wholeDays, baseYear, days))
        return false;
    seconds = days * 86400 + Milliseconds(dayNumber - wholeDays) / 1000;
    return true;
}
