#include "tests/ScopedTimeZone.h"

#include "vornui/platform/CTime.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CTime, LocalFieldsFollowTheTimeZone) {
    ScopedTimeZone utc("UTC0");
    const CTime time(2024, 2, 29, 12, 30, 15);
    EXPECT_EQ(time.GetTime(), 1709209815);
    EXPECT_EQ(time.GetYear() * 10000 + time.GetMonth() * 100 + time.GetDay(), 20240229);
    EXPECT_EQ(time.GetHour() * 10000 + time.GetMinute() * 100 + time.GetSecond(), 123015);
    EXPECT_EQ(time.GetDayOfWeek(), 5); // a Thursday
    ScopedTimeZone east("XST-2");
    EXPECT_EQ(CTime(2024, 2, 29, 14, 30, 15), time);
    EXPECT_EQ(time.GetHour(), 14);
}

TEST(CTime, NormalisationAndDaylightSaving) {
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(CTime(1970, 1, 1, 25, 0, 0).GetTime(), 86400);
    EXPECT_EQ(CTime(1970, 13, 1, 1, 0, 0), CTime(1971, 1, 1, 1, 0, 0));
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);    // summer time
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0, 0).GetTime(), 1719831600); // forced standard time
}

// The system's conversion answers -1 for failure, so that second cannot be formed.
TEST(CTime, FieldsWithoutATimeThrow) {
    ScopedTimeZone utc("UTC0");
    EXPECT_THROW(CTime(1969, 12, 31, 23, 59, 59), std::invalid_argument);
    EXPECT_EQ(CTime(1969, 12, 31, 23, 59, 58).GetTime(), -2);
}

TEST(CTime, CurrentTimeAndComparisons) {
    const time_t before = time(nullptr);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), time(nullptr));
    EXPECT_LT(CTime(1), CTime(2));
    EXPECT_EQ(CTime().GetTime(), 0);
    struct tm local {};
    EXPECT_EQ(CTime(0).GetLocalTm(&local), &local);
    EXPECT_EQ(CTime(0).GetLocalTm(nullptr), nullptr);
}

} // namespace
