#include "vornui/templates/AsciiRecord.h"

#include "vornui/platform/CString.h"
#include "vornui/templates/AsciiCalendar.h"
#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Year, month, day, hour and minute of a Date record, then the seconds.
constexpr int kDateParts = 6;

// Zeros stand for the start of the period; values beyond it for a default.
void CompleteDate(int (&parts)[kDateParts - 1]) {
    int& year = parts[0];
    int& month = parts[1];
    int& day = parts[2];
    if (year == 0)
        year = 1970;
    if (month == 0)
        month = 1;
    if (day == 0)
        day = 1;
    if (year > 3000)
        year = 1970;
    if (month > 12)
        month = 1;
    if (day > 31)
        day = 1;
}

} // namespace

AsciiRecord::AsciiRecord(const AsciiTemplate& templ) : m_template(&templ), m_columns(templ) {}

AsciiRecord::AsciiRecord(std::string_view line, const AsciiTemplate& templ) : AsciiRecord(templ) {
    Parse(line);
}

void AsciiRecord::Parse(std::string_view line) {
    m_columns.Split(line);
    m_bValid = true;
    m_nValues = m_template->UsedRecordCount();
    for (int i = 0; i < m_nValues; ++i) {
        const AsciiRecordTemplate& record = m_template->records[i];
        AsciiValue& value = m_values[i];
        switch (record.encoding) {
        case AsciiEncodingDouble:
            ParseDouble(record, value);
            break;
        case AsciiEncodingInteger:
            ParseInteger(record, value);
            break;
        case AsciiEncodingStacked:
            ParseStacked(record, value);
            break;
        case AsciiEncodingDate:
            ParseDate(record, value);
            break;
        default:
            value.SetInvalid();
            break;
        }
    }
}

void AsciiRecord::ParseDouble(const AsciiRecordTemplate& record, AsciiValue& value) {
    if (record.sources[0] == -1) {
        value.SetInvalid();
        return;
    }
    double number = 0.0;
    const bool readable = m_columns.GetField(record.sources[0]).ReadDouble(number);
    value.SetDouble(number);
    m_bValid = m_bValid && readable;
}

void AsciiRecord::ParseInteger(const AsciiRecordTemplate& record, AsciiValue& value) {
    int number = 0;
    const bool readable = m_columns.GetField(record.sources[0]).ReadInt(number);
    value.SetInteger(number);
    m_bValid = m_bValid && readable;
}

// Every column from the first one on; a negative first column counts as column 0.
void AsciiRecord::ParseStacked(const AsciiRecordTemplate& record, AsciiValue& value) const {
    std::vector<double>& elements = value.SetStacked();
    for (int column = std::max(record.sources[0], 0); column < m_columns.GetCount(); ++column)
        elements.push_back(m_columns.GetField(column).GetDouble());
}

void AsciiRecord::ParseDate(const AsciiRecordTemplate& record, AsciiValue& value) {
    int parts[kDateParts - 1] = {};
    double seconds = 0.0;
    int present = 0;
    for (int part = 0; part < kDateParts; ++part) {
        const int source = record.sources[part];
        if (source == 0)
            continue;
        ++present;
        const char* text = source > 0 ? m_columns.GetText(source - 1) : nullptr;
        if (!text)
            m_bValid = false;
        if (!m_bValid)
            continue;
        const bool converted =
            part < kDateParts - 1 ? ScanInt(text, parts[part]) : ScanDouble(text, seconds);
        m_bValid = converted;
    }
    if (present == 0)
        m_bValid = false;
    SetDate(parts, seconds, value);
}

// The first of January 1970 at midnight is no date: the day number 0 stands for "none".
void AsciiRecord::SetDate(int (&parts)[kDateParts - 1], double seconds, AsciiValue& value) {
    if (m_bValid)
        CompleteDate(parts);
    if (parts[0] != m_lastDay.year || parts[1] != m_lastDay.month || parts[2] != m_lastDay.day)
        m_lastDay = Day{parts[0], parts[1], parts[2], AsciiDayNumber(parts[0], parts[1], parts[2])};
    const double dayNumber = m_lastDay.dayNumber + AsciiDayFraction(parts[3], parts[4], seconds);
    if (m_bValid && dayNumber != 0.0) {
        value.SetDouble(dayNumber);
        return;
    }
    value.SetInvalid();
    m_bValid = false;
}

// Every column read is there and converted, so only a date can still make the line invalid.
void AsciiRecord::ParsePlain(const int* ints, const double* doubles) {
    m_bValid = true;
    m_nValues = m_template->UsedRecordCount();
    for (int i = 0; i < m_nValues; ++i) {
        const AsciiRecordTemplate& record = m_template->records[i];
        const int* sources = record.sources;
        AsciiValue& value = m_values[i];
        switch (record.encoding) {
        case AsciiEncodingDouble:
            if (sources[0] == -1)
                value.SetInvalid();
            else
                value.SetDouble(doubles[sources[0]]);
            break;
        case AsciiEncodingInteger:
            value.SetInteger(ints[sources[0]]);
            break;
        case AsciiEncodingDate: {
            int parts[kDateParts - 1];
            for (int part = 0; part < kDateParts - 1; ++part)
                parts[part] = sources[part] == 0 ? 0 : ints[sources[part] - 1];
            const int second = sources[kDateParts - 1];
            SetDate(parts, second == 0 ? 0.0 : doubles[second - 1], value);
            break;
        }
        default:
            value.SetInvalid();
            break;
        }
    }
}

// An exact match needs no case folding; names of different lengths never match.
int AsciiRecord::IndexOf(const char* name) const {
    if (!name)
        return -1;
    const std::string_view wanted(name);
    const bool fits = wanted.size() < kAsciiRecordNameSize;
    for (int i = 0; i < m_template->UsedRecordCount(); ++i) {
        const char* recordName = m_template->records[i].name;
        if (fits && std::memcmp(recordName, name, wanted.size() + 1) == 0)
            return i;
        const std::string_view candidate(recordName, strnlen(recordName, kAsciiRecordNameSize));
        if (candidate.size() == wanted.size() && CompareNoCase1252(candidate, wanted) == 0)
            return i;
    }
    return -1;
}

AsciiValue AsciiRecord::GetValueUnconverted(const char* name) const {
    return GetValueAt(IndexOf(name));
}

AsciiValue AsciiRecord::GetValue(const char* name) const {
    return GetValue(IndexOf(name));
}

AsciiValue AsciiRecord::GetValue(int index) const {
    if (index < 0 || index >= m_nValues)
        return AsciiValue();
    AsciiValue value = m_values[index];
    const AsciiRecordTemplate& record = m_template->records[index];
    if (Converts(record))
        value.Scale(record.ConvFactor, record.ConvOffset);
    return value;
}

const AsciiValue& AsciiRecord::GetValueAt(int index) const {
    static const AsciiValue kInvalid;
    return index >= 0 && index < m_nValues ? m_values[index] : kInvalid;
}

void AsciiRecord::Release() {
    for (AsciiValue& value : m_values)
        value.Release();
    m_nValues = 0;
    m_bValid = false;
}
