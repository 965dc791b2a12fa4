#pragma once

// The framework's point in time: seconds since 1 January 1970 UTC, broken down in local
// time (which follows TZ).

#include "vornui/platform/Export.h"

#include <ctime>

class VORNUI_API CTime {
public:
    CTime() noexcept = default;
    CTime(time_t time) noexcept : m_time(time) {}
    // Local time, normalised as mktime does; `dst` 1, 0 or -1 (let the system decide).
    // Throws std::invalid_argument when the fields form no representable time.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    static CTime GetCurrentTime() noexcept;

    time_t GetTime() const noexcept { return m_time; }
    // Fills `local` with the local broken-down time; nullptr when it cannot be formed.
    struct tm* GetLocalTm(struct tm* local) const noexcept;
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
