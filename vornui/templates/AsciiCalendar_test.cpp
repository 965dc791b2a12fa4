#include "vornui/platform/CTime.h"
#include "vornui/templates/AsciiCalendar.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>

namespace {

TEST(AsciiCalendar, DayNumbersAndLengths) {
    const std::pair<std::tuple<int, int, int>, double> dates[] = {
        {{1970, 1, 1}, 0},         {{1970, 2, 1}, 31},     {{2024, 2, 29}, 19782},
        {{24, 2, 29}, 19782},                         // two-digit years below 70 are in the 2000s,
        {{99, 1, 1}, 10592},                          // the others in the 1900s
        {{1969, 1, 5}, 4},         {{3001, 1, 1}, 0}, // years outside the span count as 1970
        {{3000, 12, 31}, 376564},  {{2024, 0, 32}, 19754}, // month 0 adds nothing
        {{1970, 14, 1}, 365 + 31}, {{1970, 1, 0}, -1}};    // month 13 counts as January
    for (const auto& [date, dayNumber] : dates)
        EXPECT_EQ(std::apply(AsciiDayNumber, date), dayNumber)
            << std::get<0>(date) << "-" << std::get<1>(date) << "-" << std::get<2>(date);
    EXPECT_TRUE(AsciiIsLeapYear(2000) && AsciiIsLeapYear(2024) && !AsciiIsLeapYear(2100));
    EXPECT_EQ(AsciiYearLength(2024), 366);
    EXPECT_EQ(AsciiYearLength(1968), 365); // tested as 1970
    EXPECT_EQ(AsciiMonthLength(2024, 2) * 100 + AsciiMonthLength(2023, 2), 2928);
    EXPECT_EQ(AsciiMonthLength(1968, 2), 28);
    EXPECT_EQ(AsciiMonthLength(2024, 0), 31);
    EXPECT_EQ(AsciiDayFraction(6, 30, 0.0), 6.5 / 24);
    EXPECT_EQ(AsciiDayFraction(0, 0, 0.5), ((0.5 / 60) / 60) / 24);
}

TEST(AsciiCalendar, DatesFromDayNumbers) {
    const std::pair<std::pair<double, int>, std::tuple<int, int, int>> dates[] = {
        {{365, 1970}, {1971, 1, 1}},
        {{31, 1970}, {1970, 2, 1}},
        {{19782.75, 1970}, {2024, 2, 29}},
        {{59, 2000}, {2000, 2, 29}},
        {{-3.5, 1970}, {1970, 1, -3}},
        {{365 * 3, 1000}, {1003, 1, 1}}, // years before 1970 have 365 days
        {{std::numeric_limits<double>::quiet_NaN(), 1970}, {1970, 1, -2147483647}}};
    for (const auto& [from, expected] : dates) {
        const AsciiDate date = AsciiDateFromDayNumber(from.first, from.second);
        EXPECT_EQ(std::tuple(date.year, date.month, date.day), expected) << from.first;
    }
    for (int dayNumber = 0; dayNumber <= 376564; dayNumber += 997) {
        const AsciiDate date = AsciiDateFromDayNumber(dayNumber, 1970);
        EXPECT_EQ(AsciiDayNumber(date.year, date.month, date.day), dayNumber);
    }
    EXPECT_GT(AsciiDateFromDayNumber(2e9, 1970).year, 5000000);
}

// The year-by-year and month-by-month count, as written, for any base year.
TEST(AsciiCalendar, DatesMatchTheCountAsWritten) {
    std::mt19937 random(1970);
    for (int round = 0; round < 2000; ++round) {
        const int baseYear = 1500 + static_cast<int>(random() % 1700);
        const int dayNumber = static_cast<int>(random() % 800000);
        int days = dayNumber;
        int year = baseYear;
        while (days >= AsciiYearLength(year))
            days -= AsciiYearLength(year++);
        int month = 1;
        while (days >= AsciiMonthLength(year, month))
            days -= AsciiMonthLength(year, month++);
        const AsciiDate date = AsciiDateFromDayNumber(dayNumber + 0.75, baseYear);
        ASSERT_EQ(std::tuple(date.year, date.month, date.day), std::tuple(year, month, days + 1))
            << dayNumber << " days from " << baseYear;
    }
}

// The seconds count of a local time is the zone's answer for its broken-down fields, and
// it exists exactly for base years and dates inside the calendar span.
TEST(AsciiCalendar, LocalSecondsAgreeWithTheBrokenDownFields) {
    CLocalZone& zone = CLocalZone::Current();
    std::mt19937 random(2099);
    for (int round = 0; round < 20000; ++round) {
        const int baseYear = 1950 + static_cast<int>(random() % 1100);
        const double dayNumber = static_cast<double>(random() % 400000) +
                                 static_cast<double>(random() % 86400000) / 86400000;
        int64_t seconds = 0;
        const bool counted = AsciiLocalSeconds(dayNumber, baseYear, seconds);
        const struct tm fields = AsciiBrokenDownTime(dayNumber, baseYear);
        const bool inSpan = baseYear >= 1970 && baseYear <= 3000 && fields.tm_year + 1900 <= 3000;
        ASSERT_EQ(counted, inSpan) << dayNumber << " days from " << baseYear;
        if (!counted)
            continue;
        const std::optional<CTime> byFields =
            zone.ToTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                        fields.tm_min, fields.tm_sec);
        ASSERT_EQ(zone.LocalSecondsToTime(seconds), byFields) << dayNumber << " from " << baseYear;
        ASSERT_EQ(zone.LocalSecondsToUtc(seconds), byFields ? byFields->GetTime() : -1);
    }
    int64_t seconds = -7;
    EXPECT_FALSE(AsciiLocalSeconds(-0.5, 1970, seconds));
    EXPECT_FALSE(AsciiLocalSeconds(std::numeric_limits<double>::quiet_NaN(), 1970, seconds));
    EXPECT_EQ(seconds, -7);
    ASSERT_TRUE(AsciiLocalSeconds(1 - 1e-12, 1970, seconds));
    EXPECT_EQ(seconds, 86400); // rounds up to a whole day
}

TEST(AsciiCalendar, TimesOfDay) {
    const AsciiTimeOfDay late = AsciiTimeFromDayNumber(19782 + AsciiDayFraction(23, 59, 59.25));
    EXPECT_EQ(std::tuple(late.hours, late.minutes, late.seconds), std::tuple(23, 59, 59.25));
    EXPECT_EQ(AsciiTimeFromDayNumber(0.9999999999).hours, 24); // rounds up to a whole day
    EXPECT_EQ(AsciiTimeFromDayNumber(-0.25).hours, 18);
    double seconds = 0.0;
    const struct tm fields = AsciiBrokenDownTime(19782.5 + 1.5 / 86400, 1970, &seconds);
    EXPECT_EQ(std::tuple(fields.tm_year, fields.tm_mon, fields.tm_mday, fields.tm_hour,
                         fields.tm_min, fields.tm_sec, fields.tm_isdst),
              std::tuple(124, 1, 29, 12, 0, 1, -1));
    EXPECT_EQ(seconds, 1.5);
}

// Any day, before 1970 and far beyond the calendar span, is the date gmtime gives it.
TEST(AsciiCalendar, GregorianDatesAreTheSystemsDates) {
    std::mt19937 random(1582);
    for (int round = 0; round < 20000; ++round) {
        const int64_t days = static_cast<int64_t>(random() % 4000000) - 2000000;
        const time_t time = static_cast<time_t>(days * 86400);
        std::tm utc{};
        ASSERT_TRUE(gmtime_r(&time, &utc));
        const AsciiDate date = AsciiGregorianDate(days);
        ASSERT_EQ(std::tuple(date.year, date.month, date.day),
                  std::tuple(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday))
            << days;
    }
}

} // namespace
