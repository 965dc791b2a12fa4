#include "vornui/platform/CTime.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int64_t kDay = 86400;
// Farther than any two offsets of one zone lie apart (they span UTC-12 to UTC+14), so all
// the answers for one local time lie within this reach of each other.
constexpr int64_t kReach = 2 * kDay;

std::optional<int32_t> OffsetAt(int64_t utc) {
    const time_t time = static_cast<time_t>(utc);
    struct tm fields {};
    if (!localtime_r(&time, &fields))
        return std::nullopt;
    return static_cast<int32_t>(fields.tm_gmtoff);
}

int64_t FloorDivide(int64_t value, int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date; the day may lie outside its month.
int64_t DaysSinceEpoch(int64_t year, int month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = FloorDivide(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The fields counted in seconds as if they were UTC, normalised as mktime does: months
// beyond the year carry into years, every other field adds linearly.
int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second) {
    const int64_t months = int64_t{month} - 1;
    const int64_t wholeYear = int64_t{year} + FloorDivide(months, 12);
    const int monthOfYear = static_cast<int>(months - FloorDivide(months, 12) * 12) + 1;
    return DaysSinceEpoch(wholeYear, monthOfYear, day) * kDay + int64_t{hour} * 3600 +
           int64_t{minute} * 60 + second;
}

} // namespace

CLocalZone::CLocalZone() {
    tzset();
}

CLocalZone& CLocalZone::Current() {
    thread_local std::optional<std::string> zoneName;
    thread_local std::optional<CLocalZone> zone;
    const char* name = std::getenv("TZ");
    const bool same = zone && (name ? zoneName && *zoneName == name : !zoneName);
    if (!same) {
        zoneName = name ? std::optional<std::string>(name) : std::nullopt;
        zone.emplace();
    }
    return *zone;
}

std::optional<CTime> CLocalZone::ToTime(int year, int month, int day, int hour, int minute,
                                        int second) {
    return LocalSecondsToTime(LocalSeconds(year, month, day, hour, minute, second));
}

std::optional<CTime> CLocalZone::LocalSecondsToTime(int64_t localSeconds) {
    const time_t utc = LocalSecondsToUtc(localSeconds);
    if (utc == -1)
        return std::nullopt;
    return CTime(utc);
}

time_t CLocalZone::LocalSecondsToUtc(int64_t localSeconds) {
    if (!m_spans.empty()) {
        const Span& span = m_spans[m_current];
        const int64_t utc = localSeconds - span.offset;
        if (utc >= span.firstUnique && utc < span.end)
            return static_cast<time_t>(utc);
    }
    const std::optional<int64_t> utc = Search(localSeconds);
    return utc ? static_cast<time_t>(*utc) : -1;
}

bool CLocalZone::UtcToLocalSeconds(time_t utc, int64_t& localSeconds) {
    const auto covers = [utc](const Span& span) { return utc >= span.start && utc < span.end; };
    if (m_spans.empty() || !covers(m_spans[m_current])) {
        const auto span = std::find_if(m_spans.begin(), m_spans.end(), covers);
        if (span == m_spans.end()) {
            // Unlearnt ground is asked for once rather than learnt for a single time.
            const std::optional<int32_t> offset = OffsetAt(utc);
            if (offset)
                localSeconds = int64_t{utc} + *offset;
            return offset.has_value();
        }
        m_current = static_cast<size_t>(span - m_spans.begin());
    }
    localSeconds = int64_t{utc} + m_spans[m_current].offset;
    return true;
}

std::optional<int64_t> CLocalZone::Search(int64_t local) {
    const int64_t guess = local - (m_spans.empty() ? 0 : m_spans[m_current].offset);
    if (!Cover(guess - kReach, guess + kReach))
        return std::nullopt;
    std::optional<int64_t> first;
    for (size_t i = 0; i < m_spans.size(); ++i) {
        const Span& span = m_spans[i];
        const int64_t utc = local - span.offset;
        if (utc >= span.start && utc < span.end && (!first || utc < *first)) {
            first = utc;
            m_current = i;
        }
    }
    if (first)
        return first;
    // A local time that the clock skipped: the offset before the change.
    for (size_t i = 0; i + 1 < m_spans.size(); ++i) {
        const Span& before = m_spans[i];
        const Span& after = m_spans[i + 1];
        if (local - before.offset >= before.end && local - after.offset < after.start) {
            m_current = i + 1;
            return local - before.offset;
        }
    }
    return std::nullopt;
}

// Makes the learnt spans cover [from, to), keeping what is still near.
bool CLocalZone::Cover(int64_t from, int64_t to) {
    if (m_spans.empty() || from < m_spans.front().start || from > m_spans.back().end + kReach) {
        if (!Restart(from))
            return false;
    }
    while (m_spans.back().end < to) {
        if (!LearnNextDay())
            return false;
    }
    const auto stale = std::find_if(m_spans.begin(), m_spans.end(),
                                    [from](const Span& span) { return span.end > from; });
    const size_t dropped = static_cast<size_t>(stale - m_spans.begin());
    m_spans.erase(m_spans.begin(), stale);
    m_current = m_current >= dropped ? m_current - dropped : 0;
    return true;
}

bool CLocalZone::Restart(int64_t from) {
    m_spans.clear();
    m_current = 0;
    const std::optional<int32_t> offset = OffsetAt(from);
    if (!offset)
        return false;
    // Nothing is known before `from`: a time is taken as unique only a full reach later.
    m_spans.push_back(Span{from, from + 1, *offset, from + kReach});
    return true;
}

// One more day beyond the last span; where the offset differs at its end, the second of
// the change is found by bisection.
bool CLocalZone::LearnNextDay() {
    Span& last = m_spans.back();
    const int64_t probe = last.end - 1 + kDay;
    const std::optional<int32_t> offset = OffsetAt(probe);
    if (!offset)
        return false;
    if (*offset == last.offset) {
        last.end = probe + 1;
        return true;
    }
    int64_t same = last.end - 1;
    int64_t changed = probe;
    while (changed - same > 1) {
        const int64_t middle = same + (changed - same) / 2;
        const std::optional<int32_t> there = OffsetAt(middle);
        if (!there)
            return false;
        (*there == last.offset ? same : changed) = middle;
    }
    const std::optional<int32_t> after = OffsetAt(changed);
    if (!after)
        return false;
    last.end = changed;
    Append(changed, *after);
    return true;
}

// A local time of the new span also occurs in an earlier span while it lies before that
// span's end counted in the new offset.
void CLocalZone::Append(int64_t start, int32_t offset) {
    int64_t firstUnique = std::max(start, m_spans.front().firstUnique);
    for (const Span& earlier : m_spans)
        firstUnique = std::max(firstUnique, earlier.end + earlier.offset - offset);
    m_spans.push_back(Span{start, start + 1, offset, firstUnique});
}
