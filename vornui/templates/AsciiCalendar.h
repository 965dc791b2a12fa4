#pragma once

// Day numbers: days since 1 January 1970 with the time of day as the fraction. Years are
// counted from 1970 to 3000; a year outside that span counts as 1970.

#include "vornui/platform/Export.h"

#include <cstdint>
#include <ctime>
#include <optional>

// Divisible by 4, and not by 100 unless by 400.
VORNUI_API bool AsciiIsLeapYear(int year);
// 365 or 366 days.
VORNUI_API int AsciiYearLength(int year);
// A month outside 1 ... 12 counts as January.
VORNUI_API int AsciiMonthLength(int year, int month);

// The day number of a date. A two-digit year below 70 is in the 2000s, otherwise in the
// 1900s.
VORNUI_API double AsciiDayNumber(int year, int month, int day);
// The fraction of a day that a time of day is.
VORNUI_API double AsciiDayFraction(int hours, int minutes, double seconds);

// A calendar date.
struct AsciiDate {
    int year;  // 1970 ... 3000 (any year from AsciiGregorianDate)
    int month; // 1 ... 12
    int day;   // 1 ... 31
};
// A time of day.
struct AsciiTimeOfDay {
    int hours;      // 24 when the fraction rounds up to a whole day
    int minutes;    // 0 ... 59
    double seconds; // 0 ... below 60, with the fraction
};

// The date `days` after 1 January 1970 (before it when negative) in the proleptic
// Gregorian calendar, whatever the calendar span.
VORNUI_API AsciiDate AsciiGregorianDate(int64_t days);
// Counts whole days forward from 1 January of `baseYear`.
VORNUI_API AsciiDate AsciiDateFromDayNumber(double dayNumber, int baseYear);
// To the nearest millisecond.
VORNUI_API AsciiTimeOfDay AsciiTimeFromDayNumber(double dayNumber);
// As mktime expects it (daylight saving left to the library); `seconds` receives the
// seconds with their fraction.
VORNUI_API struct tm AsciiBrokenDownTime(double dayNumber, int baseYear, double* seconds = nullptr);
// The local time of AsciiBrokenDownTime counted in whole seconds from 1970-01-01 00:00 as
// if it were UTC, where that count needs no broken-down fields: a base year and day number
// inside the calendar span. False, with `seconds` untouched, elsewhere.
VORNUI_API bool AsciiLocalSeconds(double dayNumber, int baseYear, int64_t& seconds);
