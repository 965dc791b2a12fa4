#include "vornui/platform/CTime.h"

#include <cstring>
#include <stdexcept>
#include <vector>

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    if (dst < 0) {
        const std::optional<CTime> time =
            CLocalZone::Current().ToTime(year, month, day, hour, minute, second);
        if (!time)
            throw std::invalid_argument("CTime: the fields form no representable time");
        m_time = time->m_time;
        return;
    }
    struct tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    m_time = mktime(&fields);
    if (m_time == static_cast<time_t>(-1))
        throw std::invalid_argument("CTime: the fields form no representable time");
}

CTime CTime::GetCurrentTime() noexcept {
    return CTime(time(nullptr));
}

struct tm* CTime::GetLocalTm(struct tm* local) const noexcept {
    return local ? localtime_r(&m_time, local) : nullptr;
}

struct tm* CTime::GetGmtTm(struct tm* utc) const noexcept {
    return utc ? gmtime_r(&m_time, utc) : nullptr;
}

bool CTime::GetCalendarText(char (&text)[26]) const noexcept {
    struct tm local {};
    return localtime_r(&m_time, &local) && asctime_r(&local, text);
}

CString CTime::Format(const char* format) const {
    struct tm local {};
    if (!format || !*format || !localtime_r(&m_time, &local))
        return CString();
    // strftime answers 0 both for a buffer too small and for an empty text: grow a few
    // times, then take the empty answer as meant.
    for (size_t size = 64 + 4 * std::strlen(format); size <= 64 * 1024; size *= 4) {
        std::vector<char> text(size);
        if (const size_t length = std::strftime(text.data(), size, format, &local))
            return CString(text.data(), static_cast<int>(length));
    }
    return CString();
}

struct tm CTime::LocalFields() const noexcept {
    struct tm fields {};
    localtime_r(&m_time, &fields);
    return fields;
}

int CTime::GetYear() const noexcept {
    return LocalFields().tm_year + 1900;
}

int CTime::GetMonth() const noexcept {
    return LocalFields().tm_mon + 1;
}

int CTime::GetDay() const noexcept {
    return LocalFields().tm_mday;
}

int CTime::GetHour() const noexcept {
    return LocalFields().tm_hour;
}

int CTime::GetMinute() const noexcept {
    return LocalFields().tm_min;
}

int CTime::GetSecond() const noexcept {
    return LocalFields().tm_sec;
}

int CTime::GetDayOfWeek() const noexcept {
    return LocalFields().tm_wday + 1;
}
