#include "tests/ScopedTimeZone.h"

#include "vornui/platform/CTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

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

namespace {

struct LocalFields {
    int year, month, day, hour, minute, second;
};

std::tm TmOf(const LocalFields& local, int dst) {
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = dst;
    return fields;
}

// A change of the zone's UTC offset: the instant and the offsets before and after it.
struct OffsetChange {
    time_t at;
    long before;
    long after;
};

long OffsetAt(time_t time) {
    std::tm fields{};
    localtime_r(&time, &fields);
    return fields.tm_gmtoff;
}

// Every change of offset between `firstYear` and `lastYear`, found day by day and then to
// the second.
std::vector<OffsetChange> OffsetChanges(int firstYear, int lastYear) {
    std::tm start = TmOf({firstYear, 1, 1, 0, 0, 0}, -1);
    std::tm end = TmOf({lastYear + 1, 1, 1, 0, 0, 0}, -1);
    std::vector<OffsetChange> changes;
    for (time_t day = mktime(&start), last = mktime(&end); day < last; day += 86400) {
        time_t same = day;
        time_t changed = day + 86400;
        if (OffsetAt(same) == OffsetAt(changed))
            continue;
        while (changed - same > 1) {
            const time_t middle = same + (changed - same) / 2;
            (OffsetAt(middle) == OffsetAt(same) ? same : changed) = middle;
        }
        changes.push_back({changed, OffsetAt(same), OffsetAt(changed)});
    }
    return changes;
}

// mktime's answer; in a repeated hour, where mktime's answer depends on its earlier calls,
// the first of the two instants that show the fields.
struct Expected {
    time_t time;
    bool repeated;
};

Expected ExpectedTime(const LocalFields& local, const std::vector<OffsetChange>& changes) {
    std::tm face = TmOf(local, 0);
    const time_t clock = timegm(&face); // the clock's reading counted as if it were UTC
    const auto near =
        std::lower_bound(changes.begin(), changes.end(), clock - 2 * 86400,
                         [](const OffsetChange& change, time_t time) { return change.at < time; });
    for (auto change = near; change != changes.end() && change->at < clock + 2 * 86400; ++change) {
        if (change->before > change->after && clock >= change->at + change->after &&
            clock < change->at + change->before)
            return {clock - change->before, true};
    }
    std::tm undecided = TmOf(local, -1);
    return {mktime(&undecided), false};
}

const char* const kZones[] = {nullptr, "UTC", "Europe/Amsterdam", "America/St_Johns"};

std::string ZoneName(const char* zone) {
    return zone ? zone : "(TZ unset)";
}

// The local fields `minutes` after `local`, counted on the clock's face: skipped and
// repeated local times come once each.
LocalFields MinutesLater(const LocalFields& local, int minutes) {
    std::tm face = TmOf(local, 0);
    const time_t later = timegm(&face) + 60 * time_t{minutes};
    gmtime_r(&later, &face);
    return {face.tm_year + 1900, face.tm_mon + 1, face.tm_mday,
            face.tm_hour,        face.tm_min,     face.tm_sec};
}

LocalFields LocalFieldsOf(time_t time) {
    std::tm fields{};
    localtime_r(&time, &fields);
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
            fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

} // namespace

// Every local minute from two hours before to two and a half hours after each change of
// offset (offsets of one zone have changed by up to two hours at once),
// 1970-2099: the skipped ones as mktime gives them, the repeated ones at their first
// occurrence, everything else as mktime gives it.
TEST(CTime, LocalTimesAroundEveryOffsetChangeAreMktimesOrTheFirstOccurrence) {
    for (const char* zone : kZones) {
        ScopedTimeZone scoped(zone);
        int repeated = 0;
        const std::vector<OffsetChange> changes = OffsetChanges(1970, 2099);
        for (const OffsetChange& change : changes) {
            const LocalFields start = LocalFieldsOf(change.at - 2 * 3600);
            for (int minute = 0; minute <= 4 * 60 + 30; ++minute) {
                const LocalFields local = MinutesLater(start, minute);
                const Expected expected = ExpectedTime(local, changes);
                repeated += expected.repeated ? 1 : 0;
                const CTime time(local.year, local.month, local.day, local.hour, local.minute,
                                 local.second);
                ASSERT_EQ(time.GetTime(), expected.time)
                    << ZoneName(zone) << ' ' << local.year << '-' << local.month << '-' << local.day
                    << ' ' << local.hour << ':' << local.minute;
            }
        }
        EXPECT_EQ(repeated > 0, zone && std::string(zone) != "UTC") << ZoneName(zone);
    }
}

// Random local times of 1970-2099 in random order give mktime's answers, the repeated
// hours left out.
TEST(CTime, RandomLocalTimesGiveMktimesAnswers) {
    std::mt19937 random(20240331);
    for (const char* zone : kZones) {
        ScopedTimeZone scoped(zone);
        const std::vector<OffsetChange> changes = OffsetChanges(1970, 2099);
        for (int i = 0; i < 20000; ++i) {
            const LocalFields local{
                1970 + static_cast<int>(random() % 130), 1 + static_cast<int>(random() % 12),
                1 + static_cast<int>(random() % 28),     static_cast<int>(random() % 24),
                static_cast<int>(random() % 60),         static_cast<int>(random() % 60)};
            const Expected expected = ExpectedTime(local, changes);
            if (expected.repeated || expected.time == -1)
                continue;
            std::tm undecided = TmOf(local, -1);
            ASSERT_EQ(
                CTime(local.year, local.month, local.day, local.hour, local.minute, local.second)
                    .GetTime(),
                mktime(&undecided))
                << ZoneName(zone) << ' ' << local.year << '-' << local.month << '-' << local.day
                << ' ' << local.hour << ':' << local.minute << ':' << local.second;
        }
    }
}

// A new zone is read as soon as TZ names it; fields out of range carry as mktime's do.
TEST(CTime, AChangedTimeZoneAndCarriedFieldsAreFollowed) {
    ScopedTimeZone amsterdam("Europe/Amsterdam");
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);
    {
        ScopedTimeZone stJohns("America/St_Johns");
        EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000 + 2 * 3600 + 9000);
        EXPECT_EQ(CTime(2024, 1, 1, 12, 0, 0).GetTime(), 1704123000);
    }
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);
    for (const LocalFields& odd : {LocalFields{2024, 14, 1, 0, 0, 0},
                                   {2024, -3, 40, 25, 61, 70},
                                   {2024, 3, 31, 2, 30, 0},
                                   {2100, 2, 29, 0, 0, 0},
                                   {2024, 0, 0, -5, -70, -3}}) {
        std::tm undecided = TmOf(odd, -1);
        EXPECT_EQ(CTime(odd.year, odd.month, odd.day, odd.hour, odd.minute, odd.second).GetTime(),
                  mktime(&undecided))
            << odd.year << '-' << odd.month << '-' << odd.day;
    }
}

TEST(CTime, UtcFieldsAndCalendarText) {
    ScopedTimeZone zone("America/St_Johns");
    const CTime time(1733498312); // 2024-12-06 15:18:32 UTC
    struct tm utc {};
    ASSERT_EQ(time.GetGmtTm(&utc), &utc);
    EXPECT_EQ(utc.tm_hour * 10000 + utc.tm_min * 100 + utc.tm_sec, 151832);
    EXPECT_EQ(time.GetGmtTm(nullptr), nullptr);
    char text[26];
    ASSERT_TRUE(time.GetCalendarText(text));
    EXPECT_STREQ(text, "Fri Dec  6 11:48:32 2024\n");
    EXPECT_STREQ(time.Format("%Y%m%d%H%M%S"), "20241206114832");
    EXPECT_STREQ(time.Format(""), "");
    EXPECT_STREQ(time.Format(nullptr), "");
    // Longer than any first guess at the text's size.
    const std::string many(300, 'x');
    EXPECT_EQ(std::string(time.Format((many + "%H").c_str())), many + "11");
}

// Local times of instants as localtime gives them: the seconds on each side of every change
// of offset, then random instants in random order (learnt ground and new ground mixed).
TEST(CTime, TheZoneGivesLocaltimesLocalSecondsForAnyInstant) {
    std::mt19937 random(20241207);
    for (const char* zone : kZones) {
        ScopedTimeZone scoped(zone);
        CLocalZone& local = CLocalZone::Current();
        const auto expectSame = [&](time_t utc) {
            std::tm fields{};
            ASSERT_TRUE(localtime_r(&utc, &fields));
            int64_t seconds = 0;
            ASSERT_TRUE(local.UtcToLocalSeconds(utc, seconds));
            ASSERT_EQ(seconds, int64_t{timegm(&fields)}) << ZoneName(zone) << ' ' << utc;
        };
        for (const OffsetChange& change : OffsetChanges(1970, 2030)) {
            // The local time just before the change teaches the zone its span.
            ASSERT_NE(local.LocalSecondsToUtc(change.at - 1 + change.before), -1);
            for (const time_t utc : {change.at - 3600, change.at - 1, change.at, change.at + 1})
                expectSame(utc);
        }
        for (int i = 0; i < 20000; ++i)
            expectSame(static_cast<time_t>(random() % 4102444800u));
    }
}
