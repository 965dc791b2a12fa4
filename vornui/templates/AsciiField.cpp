#include "vornui/templates/AsciiField.h"

#include "vornui/platform/CTime.h"
#include "vornui/templates/AsciiCalendar.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/NumberScan.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Degrees (or hours) plus minutes and seconds; the sign stays with the first part.
double Sexagesimal(int whole, int minutes, double seconds) {
    return whole + (minutes + seconds / 60) / 60;
}

// "%d" of `length` characters from `text` (fewer when the text ends first); 0 when they
// do not convert.
int IntPart(const char* text, size_t length) {
    char part[8] = {};
    std::memcpy(part, text, std::min(length, std::strlen(text)));
    int value = 0;
    ScanInt(part, value);
    return value;
}

// "jjjhhmmss.ss": day of year, hours, minutes and seconds of the current year.
double JulianDate(const char* text) {
    const size_t length = std::strlen(text);
    int day = IntPart(text, 3);
    int hours = length > 3 ? IntPart(text + 3, 2) : 0;
    int minutes = length > 5 ? IntPart(text + 5, 2) : 0;
    double seconds = 0.0;
    if (length > 7) {
        char part[51] = {};
        std::memcpy(part, text + 7, std::min<size_t>(length - 7, 50));
        ScanDouble(part, seconds);
    }
    if (seconds >= 60) {
        ++minutes;
        seconds = 0;
    }
    if (minutes >= 60) {
        ++hours;
        minutes = 0;
    }
    if (hours >= 24) {
        ++day;
        hours = 0;
    }
    const int year = CTime::GetCurrentTime().GetYear();
    return AsciiDayNumber(year, 0, day) + AsciiDayFraction(hours, minutes, seconds);
}

} // namespace

bool AsciiField::StartsLikeNumber() const {
    const char first = GetFirstChar();
    return (first >= '0' && first <= '9') || first == '+' || first == '-';
}

bool AsciiField::ReadDouble(double& value) const {
    value = 0.0;
    if (IsEmpty())
        return false;
    switch (m_type) {
    case AsciiColumnAngle:
    case AsciiColumnTime: {
        int whole = 0;
        int minutes = 0;
        double seconds = 0.0;
        const int parts = ScanSexagesimal(m_text, whole, minutes, seconds);
        value = Sexagesimal(whole, minutes, seconds);
        if (m_type == AsciiColumnTime)
            value /= 24;
        return parts == 5 && StartsLikeNumber();
    }
    case AsciiColumnJulianDate: {
        value = JulianDate(m_text);
        double plain = 0.0;
        return ScanDouble(m_text, plain);
    }
    default:
        return ScanDouble(m_text, value);
    }
}

bool AsciiField::ReadInt(int& value) const {
    value = 0;
    if (IsEmpty())
        return false;
    if (ScanInt(m_text, value))
        return StartsLikeNumber();
    value = TruncateToInt32(std::floor(GetDouble()));
    return false;
}

double AsciiField::GetDouble() const {
    double value = 0.0;
    ReadDouble(value);
    return value;
}

int AsciiField::GetInt() const {
    int value = 0;
    ReadInt(value);
    return value;
}

bool AsciiField::IsDouble() const {
    double ignored = 0.0;
    return ReadDouble(ignored);
}

bool AsciiField::IsInt() const {
    int ignored = 0;
    return ReadInt(ignored);
}

int AsciiField::GetHemisphereSign() const {
    const char first = GetFirstChar();
    if (m_type == AsciiColumnNorthSouth)
        return first == 'N' || first == 'n' ? 1 : first == 'S' || first == 's' ? -1 : 0;
    if (m_type == AsciiColumnEastWest)
        return first == 'E' || first == 'e' ? 1 : first == 'W' || first == 'w' ? -1 : 0;
    return 0;
}
