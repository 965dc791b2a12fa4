#pragma once

// Day numbers: days since 1 January 1970 with the time of day as the fraction. Years are
// counted from 1970 to 3000; a year outside that span counts as 1970.

#include "vornui/platform/Export.h"

#include <ctime>

VORNUI_API bool AsciiIsLeapYear(int year);
VORNUI_API int AsciiYearLength(int year);
// A month outside 1 ... 12 counts as January.
VORNUI_API int AsciiMonthLength(int year, int month);

// A two-digit year below 70 is in the 2000s, otherwise in the 1900s.
VORNUI_API double AsciiDayNumber(int year, int month, int day);
VORNUI_API double AsciiDayFraction(int hours, int minutes, double seconds);

struct AsciiDate {
    int year;
    int month; // 1 ... 12
    int day;   // 1 ... 31
};
struct AsciiTimeOfDay {
    int hours; // 24 when the fraction rounds up to a whole day
    int minutes;
    double seconds;
};

// Counts whole days forward from 1 January of `baseYear`.
VORNUI_API AsciiDate AsciiDateFromDayNumber(double dayNumber, int baseYear);
// To the nearest millisecond.
VORNUI_API AsciiTimeOfDay AsciiTimeFromDayNumber(double dayNumber);
// As mktime expects it (daylight saving left to the library); `seconds` receives the
// seconds with their fraction.
VORNUI_API struct tm AsciiBrokenDownTime(double dayNumber, int baseYear, double* seconds = nullptr);
