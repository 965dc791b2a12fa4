#pragma once

// The framework's point in time: seconds since 1 January 1970 UTC, broken down in local
// time (which follows TZ).
//
// Local times made from their fields with `dst` -1 are mktime's answers with tm_isdst = -1,
// reached without a mktime per time (CLocalZone below). One rule is fixed where mktime has
// none: a local time that occurs twice, in the hour the clock is set back, is its first
// occurrence (daylight time), whatever was asked before. A local time that the clock skips
// gets the offset from before the change, as mktime gives it.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <vector>

class VORNUI_API CTime {
public:
    CTime() noexcept = default;
    CTime(time_t time) noexcept : m_time(time) {}
    // Local time, normalised as mktime does; `dst` 1, 0 or -1 (let the zone decide, as
    // above). Throws std::invalid_argument when the fields form no representable time.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    static CTime GetCurrentTime() noexcept;

    time_t GetTime() const noexcept { return m_time; }
    // Fills `local` with the local broken-down time; nullptr when it cannot be formed.
    struct tm* GetLocalTm(struct tm* local) const noexcept;
    // Fills `utc` with the broken-down UTC time; nullptr when it cannot be formed.
    struct tm* GetGmtTm(struct tm* utc) const noexcept;
    // The local time as the C library's calendar text, "Sun Dec  6 15:18:32 2026\n";
    // false when it cannot be formed.
    bool GetCalendarText(char (&text)[26]) const noexcept;
    // The local time written by strftime's `format`; empty when it cannot be formed.
    CString Format(const char* format) const;
    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept; // 1 = Sunday

    bool operator==(const CTime& other) const noexcept { return m_time == other.m_time; }
    bool operator!=(const CTime& other) const noexcept { return m_time != other.m_time; }
    bool operator<(const CTime& other) const noexcept { return m_time < other.m_time; }
    bool operator>(const CTime& other) const noexcept { return m_time > other.m_time; }
    bool operator<=(const CTime& other) const noexcept { return m_time <= other.m_time; }
    bool operator>=(const CTime& other) const noexcept { return m_time >= other.m_time; }

private:
    struct tm LocalFields() const noexcept;

    time_t m_time = 0;
};

// The local zone, converting local times to points in time as CTime's constructor does
// with `dst` -1. Its UTC offsets are learnt span by span from the system's zone rules
// around the times asked for: one question per day of new ground, and a bisection to the
// second where the offset changes. A time inside a learnt span is integer arithmetic.
class VORNUI_API CLocalZone {
public:
    // Reads the zone that TZ (or, without TZ, the system's setting) names now.
    CLocalZone();

    // The calling thread's zone, read afresh whenever TZ has changed since the last call.
    // With TZ unset, a change of the system's own setting is seen by threads started
    // after it (mktime would look at the system's zone file on every call).
    static CLocalZone& Current();

    // Fields normalised as mktime normalises them; nullopt when they form no representable
    // time (or the one second, 1969-12-31 23:59:59 UTC, that mktime cannot tell from a
    // failure).
    std::optional<CTime> ToTime(int year, int month, int day, int hour, int minute, int second);
    // The same for a local time already counted in seconds from 1970-01-01 00:00 as if it
    // were UTC, as a caller that keeps its own calendar has it.
    std::optional<CTime> LocalSecondsToTime(int64_t localSeconds);
    // The same as seconds since 1970 UTC, or -1 as mktime answers when there is no time: the
    // form for a loop over many times, which an optional result would slow down.
    time_t LocalSecondsToUtc(int64_t localSeconds);
    // The other way: the local time of `utc`, as localtime gives it, counted in seconds from
    // 1970-01-01 00:00 as if it were UTC; false when the zone gives none. Inside a learnt
    // span it is one addition.
    bool UtcToLocalSeconds(time_t utc, int64_t& localSeconds);

private:
    // Seconds [start, end) of one UTC offset, as far as learnt.
    struct Span {
        int64_t start;
        int64_t end;
        int32_t offset;      // seconds east of UTC
        int64_t firstUnique; // from here on no earlier span shows the same local time
    };

    std::optional<int64_t> Search(int64_t local);
    bool Cover(int64_t from, int64_t to);
    bool Restart(int64_t from);
    bool LearnNextDay();
    void Append(int64_t start, int32_t offset);

    std::vector<Span> m_spans; // adjacent, in time order
    size_t m_current = 0;      // the span of the last answer
};
