#include "vornui/templates/TideHandler.h"

#include "vornui/log/VornErr.h"
#include "vornui/platform/WinApp.h"
#include "vornui/templates/AsciiCalendar.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/TemplateStore.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr const char* kSource = "templates/TideHandler";
constexpr const char* kTideModule = "TERRAL_TIDE";

constexpr size_t kBlockNameOffset = 16;
constexpr size_t kBlockNameSize = 80;
constexpr size_t kBlockSamplesOffset = 96;
constexpr size_t kBlockSampleSize = 8;

uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
           uint32_t{bytes[3]} << 24;
}

int32_t ReadInt32(const unsigned char* bytes) {
    return static_cast<int32_t>(ReadLittleEndian32(bytes));
}

float ReadFloat(const unsigned char* bytes) {
    const uint32_t bits = ReadLittleEndian32(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The zone's answer for a day number's local time; -1, as mktime answers, when it forms no
// time. Inside the calendar span the time is counted without broken-down fields.
time_t DayNumberToTime(double dayNumber, int baseYear, CLocalZone& zone) {
    if (int64_t seconds = 0; AsciiLocalSeconds(dayNumber, baseYear, seconds))
        return zone.LocalSecondsToUtc(seconds);
    const struct tm fields = AsciiBrokenDownTime(dayNumber, baseYear);
    const std::optional<CTime> time =
        zone.ToTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                    fields.tm_min, fields.tm_sec);
    return time ? time->GetTime() : -1;
}

// A day number to local time in `zone`; times before 1970 (and days that form no time)
// become 12 December 1970 12:12:12 local standard time.
CTime DayNumberToLocalTime(double dayNumber, int baseYear, CLocalZone& zone) {
    const time_t time = DayNumberToTime(dayNumber, baseYear, zone);
    if (time >= 0)
        return CTime(time);
    return CTime(1970, 12, 12, 12, 12, 12, 0);
}

int Distance(long time, int32_t sampleTime) {
    const long long distance = static_cast<long long>(time) - sampleTime;
    return static_cast<int>(std::clamp<long long>(distance, INT_MIN, INT_MAX));
}

} // namespace

void CTideHandler::Clear() {
    m_samples.clear();
    m_strName.Empty();
}

int CTideHandler::LoadTide(const CString& templateName, const CString& filePath) {
    Clear();
    AsciiTemplate tideTemplate(kTideModule);
    tideTemplate.Load(templateName);
    if (!tideTemplate.IsValid()) {
        // The message box keeps the system's words; the log names the files behind them.
        VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE,
                  "Tide template %s is invalid (meta template %s)",
                  TemplateStorePath(kTideModule, CString(templateName + ".aft")).c_str(),
                  TemplateStorePath(kTideModule, "_meta_.aft").c_str());
        AfxMessageBox("template is invalid!\n");
        return 0;
    }
    AsciiRecordReader lines(filePath, tideTemplate);
    AsciiRecord record(tideTemplate);
    const int timeRecord = record.IndexOf("TimeDate");
    const int tideRecord = record.IndexOf("Tide (m, up+)");
    CLocalZone& zone = CLocalZone::Current();
    while (lines.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        const double dayNumber = record.GetDouble(timeRecord);
        const double tide = record.GetDouble(tideRecord);
        const time_t time = DayNumberToLocalTime(dayNumber, 1970, zone).GetTime();
        m_samples.push_back(
            Sample{static_cast<int32_t>(static_cast<uint32_t>(time)), static_cast<float>(tide)});
    }
    return GetCount();
}

int CTideHandler::LoadEmbeddedTide(const void* block) {
    Clear();
    if (!block)
        return 0;
    const auto* bytes = static_cast<const unsigned char*>(block);
    return LoadBlock(bytes, ReadInt32(bytes));
}

int CTideHandler::LoadEmbeddedTide(const void* block, size_t blockSize) {
    Clear();
    if (!block || blockSize < kBlockSamplesOffset)
        return 0;
    const auto* bytes = static_cast<const unsigned char*>(block);
    const size_t fitting = (blockSize - kBlockSamplesOffset) / kBlockSampleSize;
    const int32_t count = ReadInt32(bytes);
    return LoadBlock(bytes, static_cast<int32_t>(std::min<size_t>(
                                count > 0 ? static_cast<size_t>(count) : 0, fitting)));
}

int CTideHandler::LoadBlock(const unsigned char* block, int32_t count) {
    const char* name = reinterpret_cast<const char*>(block + kBlockNameOffset);
    m_strName = CString(name, static_cast<int>(strnlen(name, kBlockNameSize)));
    if (count > 0) {
        m_samples.reserve(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            const unsigned char* sample = block + kBlockSamplesOffset + kBlockSampleSize * i;
            m_samples.push_back(Sample{ReadInt32(sample), ReadFloat(sample + 4)});
        }
    }
    return GetCount();
}

int CTideHandler::GetTide(float& tide, long time) const {
    tide = 0.0f;
    if (m_samples.empty())
        return 0;
    if (time == 0)
        time = static_cast<long>(CTime::GetCurrentTime().GetTime());
    const auto found =
        std::lower_bound(m_samples.begin(), m_samples.end(), time,
                         [](const Sample& sample, long t) { return sample.time < t; });
    const Sample& first = m_samples.front();
    if (time < first.time)
        return Distance(time, first.time);
    if (found == m_samples.end())
        return Distance(time, m_samples.back().time);
    if (time == first.time) {
        tide = first.tide;
        return 0;
    }
    const Sample& before = *(found - 1);
    const Sample& after = *found;
    const double f =
        static_cast<double>(time - before.time) / (static_cast<double>(after.time) - before.time);
    tide = static_cast<float>(before.tide * (1 - f) + after.tide * f);
    return 0;
}

CTideHandler::Sample CTideHandler::GetSample(int index) const {
    if (index < 0 || index >= GetCount())
        return Sample{0, 0.0f};
    return m_samples[static_cast<size_t>(index)];
}

bool CTideHandler::ContainsTime(long time) const {
    return !m_samples.empty() && m_samples.front().time <= time && time <= m_samples.back().time;
}

CTime CTideHandler::AsciiTime2CTime(double dayNumber, int baseYear) {
    return AsciiTime2CTime(dayNumber, baseYear, CLocalZone::Current());
}

CTime CTideHandler::AsciiTime2CTime(double dayNumber, int baseYear, CLocalZone& zone) {
    return DayNumberToLocalTime(dayNumber, baseYear, zone);
}
