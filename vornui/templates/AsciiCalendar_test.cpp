#include "vornui/templates/AsciiCalendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(AsciiCalendar, DayNumbers) {
    EXPECT_EQ(AsciiDayNumber(1970, 1, 1), 0.0);
    EXPECT_EQ(AsciiDayNumber(1970, 2, 1), 31.0);
    EXPECT_EQ(AsciiDayNumber(2024, 2, 29), 19782.0);
    EXPECT_EQ(AsciiDayNumber(24, 2, 29), 19782.0); // two-digit years below 70: 2000s
    EXPECT_EQ(AsciiDayNumber(99, 1, 1), 10592.0);  // otherwise 1900s
    EXPECT_EQ(AsciiDayNumber(1969, 1, 5), 4.0);    // outside the span: 1970
    EXPECT_EQ(AsciiDayNumber(3001, 1, 1), 0.0);
    EXPECT_EQ(AsciiDayNumber(3000, 12, 31), 376564.0);
    EXPECT_EQ(AsciiDayNumber(2024, 0, 32), 19754.0);      // month 0 adds nothing
    EXPECT_EQ(AsciiDayNumber(1970, 14, 1), 365.0 + 31.0); // month 13 counts as January
    EXPECT_EQ(AsciiDayNumber(1970, 1, 0), -1.0);
}

TEST(AsciiCalendar, LengthsAndLeapYears) {
    EXPECT_TRUE(AsciiIsLeapYear(2000));
    EXPECT_FALSE(AsciiIsLeapYear(2100));
    EXPECT_TRUE(AsciiIsLeapYear(2024));
    EXPECT_EQ(AsciiYearLength(2024), 366);
    EXPECT_EQ(AsciiYearLength(1968), 365); // tested as 1970
    EXPECT_EQ(AsciiMonthLength(2024, 2), 29);
    EXPECT_EQ(AsciiMonthLength(2023, 2), 28);
    EXPECT_EQ(AsciiMonthLength(1968, 2), 28);
    EXPECT_EQ(AsciiMonthLength(2024, 0), 31);
    EXPECT_EQ(AsciiMonthLength(2024, 4), 30);
}

TEST(AsciiCalendar, DayFraction) {
    EXPECT_EQ(AsciiDayFraction(12, 0, 0.0), 0.5);
    EXPECT_EQ(AsciiDayFraction(6, 30, 0.0), 6.5 / 24);
    EXPECT_DOUBLE_EQ(AsciiDayFraction(0, 0, 0.5), 0.5 / 86400);
}

TEST(AsciiCalendar, DatesFromDayNumbers) {
    const auto date = [](double dayNumber, int baseYear) {
        const AsciiDate d = AsciiDateFromDayNumber(dayNumber, baseYear);
        return std::tuple(d.year, d.month, d.day);
    };
    EXPECT_EQ(date(365, 1970), std::tuple(1971, 1, 1));
    EXPECT_EQ(date(31, 1970), std::tuple(1970, 2, 1));
    EXPECT_EQ(date(19782.75, 1970), std::tuple(2024, 2, 29));
    EXPECT_EQ(date(59, 2000), std::tuple(2000, 2, 29));
    EXPECT_EQ(date(-3.5, 1970), std::tuple(1970, 1, -3));
    EXPECT_EQ(date(365 * 3, 1000), std::tuple(1003, 1, 1)); // years before 1970 have 365 days
    // Every day of the span comes back from its own day number.
    for (int dayNumber = 0; dayNumber <= 376564; dayNumber += 997) {
        const AsciiDate d = AsciiDateFromDayNumber(dayNumber, 1970);
        EXPECT_EQ(AsciiDayNumber(d.year, d.month, d.day), dayNumber);
    }
    const AsciiDate far = AsciiDateFromDayNumber(2e9, 1970);
    EXPECT_GT(far.year, 5000000);
    const AsciiDate nan = AsciiDateFromDayNumber(std::numeric_limits<double>::quiet_NaN(), 1970);
    EXPECT_EQ(nan.year, 1970);
}

TEST(AsciiCalendar, TimesOfDay) {
    const AsciiTimeOfDay noon = AsciiTimeFromDayNumber(19782.5);
    EXPECT_EQ(noon.hours, 12);
    EXPECT_EQ(noon.minutes, 0);
    EXPECT_EQ(noon.seconds, 0.0);
    const AsciiTimeOfDay late = AsciiTimeFromDayNumber(AsciiDayFraction(23, 59, 59.25));
    EXPECT_EQ(late.hours, 23);
    EXPECT_EQ(late.minutes, 59);
    EXPECT_DOUBLE_EQ(late.seconds, 59.25);
    EXPECT_EQ(AsciiTimeFromDayNumber(0.9999999999).hours, 24); // rounds up to a whole day
    EXPECT_EQ(AsciiTimeFromDayNumber(-0.25).hours, 18);

    double seconds = 0.0;
    const struct tm fields = AsciiBrokenDownTime(19782.5 + 1.5 / 86400, 1970, &seconds);
    EXPECT_EQ(fields.tm_year, 124);
    EXPECT_EQ(fields.tm_mon, 1);
    EXPECT_EQ(fields.tm_mday, 29);
    EXPECT_EQ(fields.tm_hour, 12);
    EXPECT_EQ(fields.tm_sec, 1);
    EXPECT_EQ(fields.tm_isdst, -1);
    EXPECT_DOUBLE_EQ(seconds, 1.5);
}

} // namespace
