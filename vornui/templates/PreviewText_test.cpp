#include "tests/ScopedTimeZone.h"

#include "vornui/platform/CTime.h"
#include "vornui/templates/PreviewText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <random>

namespace {

std::string Printed(double value) {
    char text[512];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// printf's own text for any double: exact halves (which go to the even neighbour), values
// a hair beside a half, both sides of the largest magnitude written the quick way, random
// levels and random bit patterns.
TEST(PreviewText, NumbersAreWrittenAsPrintfWritesThem) {
    PreviewNumberText text;
    const double special[] = {0.0,
                              -0.0,
                              0.125,
                              0.375,
                              -0.625,
                              2.5e-3,
                              0.005,
                              0.015,
                              1.005,
                              2.675,
                              -1.125,
                              1e13,
                              -1e13,
                              9.999999999999995e12,
                              DBL_MIN,
                              -DBL_MIN,
                              DBL_MAX,
                              -DBL_MAX,
                              HUGE_VAL,
                              -HUGE_VAL,
                              std::numeric_limits<double>::quiet_NaN(),
                              4503599627370495.5};
    for (const double value : special)
        EXPECT_EQ(FormatTwoDecimals(value, text), Printed(value)) << value;
    std::mt19937_64 random(2024);
    for (int round = 0; round < 50000; ++round) {
        const double half = (static_cast<double>(random() % 2000000) + 0.5) / 100;
        const double nearHalf = std::nextafter(half, round % 2 ? HUGE_VAL : -HUGE_VAL);
        const double level =
            static_cast<double>(static_cast<int64_t>(random() % 2000001) - 1000000) / 1000;
        uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        for (const double value : {half, nearHalf, level, any, any * 1e-300, std::ldexp(any, -900)})
            ASSERT_EQ(FormatTwoDecimals(value, text), Printed(value)) << value;
    }
}

// strftime's own text for the local time of any instant from 1970 to the year 3000, in
// zones east and west of UTC and with summer time.
TEST(PreviewText, LocalTimesAreWrittenAsStrftimeWritesThem) {
    std::mt19937_64 random(1970);
    PreviewTimeText text;
    for (const char* name :
         {"UTC0", "Europe/Amsterdam", "America/St_Johns", "Pacific/Kiritimati"}) {
        ScopedTimeZone zone(name);
        CLocalZone& local = CLocalZone::Current();
        for (int round = 0; round < 50000; ++round) {
            const auto when = static_cast<time_t>(random() % 32535216000);
            std::tm fields{};
            ASSERT_TRUE(localtime_r(&when, &fields));
            char expected[64];
            std::strftime(expected, sizeof expected, "%d/%m/%y %H:%M", &fields);
            int64_t localSeconds = 0;
            ASSERT_TRUE(local.UtcToLocalSeconds(when, localSeconds)) << name << ' ' << when;
            ASSERT_STREQ(FormatLocalMinute(localSeconds, text), expected) << name << ' ' << when;
        }
    }
}

} // namespace
