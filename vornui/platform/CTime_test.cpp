#include "vornui/platform/CTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

// Sets TZ for one test and puts the old value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (m_old.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_old.c_str(), 1);
        tzset();
    }

private:
    std::string m_old;
};

TEST(CTime, LocalFieldsFollowTheTimeZone) {
    ScopedTimeZone zone("UTC0");
    const CTime time(2024, 2, 29, 12, 30, 15);
    EXPECT_EQ(time.GetTime(), 1709209815);
    EXPECT_EQ(time.GetYear(), 2024);
    EXPECT_EQ(time.GetMonth(), 2);
    EXPECT_EQ(time.GetDay(), 29);
    EXPECT_EQ(time.GetHour(), 12);
    EXPECT_EQ(time.GetMinute(), 30);
    EXPECT_EQ(time.GetSecond(), 15);
    EXPECT_EQ(time.GetDayOfWeek(), 5); // a Thursday

    ScopedTimeZone east("XST-2");
    EXPECT_EQ(CTime(2024, 2, 29, 14, 30, 15).GetTime(), 1709209815);
    EXPECT_EQ(time.GetHour(), 14);
}

TEST(CTime, NormalisesFieldsOutOfRange) {
    ScopedTimeZone zone("UTC0");
    EXPECT_EQ(CTime(1970, 1, 1, 24, 0, 0), CTime(86400));
    EXPECT_EQ(CTime(1970, 13, 1, 0, 0, 0), CTime(1971, 1, 1, 0, 0, 0));
    EXPECT_EQ(CTime(1970, 1, 0, 0, 0, 0).GetTime(), -86400);
}

TEST(CTime, DaylightSavingChoice) {
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);     // summer time
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0, 0).GetTime(), 1719831600);  // forced standard
    EXPECT_EQ(CTime(2024, 1, 1, 12, 0, 0, -1).GetTime(), 1704106800); // winter
}

// The system's conversion answers -1 for failure, so that second cannot be formed either.
TEST(CTime, FieldsWithoutATimeThrow) {
    ScopedTimeZone zone("UTC0");
    EXPECT_THROW(CTime(1969, 12, 31, 23, 59, 59), std::invalid_argument);
    EXPECT_EQ(CTime(1969, 12, 31, 23, 59, 58).GetTime(), -2);
}

TEST(CTime, CurrentTimeAndComparisons) {
    const time_t before = time(nullptr);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), time(nullptr));
    EXPECT_LT(CTime(1), CTime(2));
    EXPECT_NE(CTime(1), CTime(2));
    EXPECT_EQ(CTime().GetTime(), 0);
    struct tm local {};
    EXPECT_EQ(CTime(0).GetLocalTm(&local), &local);
    EXPECT_EQ(CTime(0).GetLocalTm(nullptr), nullptr);
}

} // namespace
