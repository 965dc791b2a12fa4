#include "vornui/units/UnitNotations.h"

#include "vornui/units/TextBuilder.h"
#include "vornui/units/UnitCatalogue.h"

#include <charconv>
#include <cmath>

namespace {

// Divisions of the time rule are multiplications by these stored reciprocals, which
// decides the truncated parts at the edges.
constexpr double kPerMinute = 0.016666666666666666;
constexpr double kPerHour = 0.0002777777777777778;
constexpr double kDaysPerMinute = 0.0006944444444444445;
constexpr double kDaysPerHour = 0.041666666666666664;

// Decimals of the seconds of DDDMMSS.ss and of the minutes of DDDMM.mmmm.
constexpr int kDmsSecondDecimals = 2;
constexpr int kDmMinuteDecimals = 4;

constexpr char kDegreeSign = '\xB0';
constexpr int kDegreeSignIndex = 3;

const char* FormatOf(unsigned short code) {
    return UnitCatalogue::RowOf(code)->szFormat;
}

// A field that would print as "60.00" (or "60.0000") has to carry into the next field,
// or the text would show an impossible sixty seconds or minutes.
bool PrintsAsSixty(double value, int decimals) {
    if (value < 59.0) // no rounding gets this far
        return false;
    char buffer[32];
    return PrintFixed(value, decimals, buffer, sizeof buffer).starts_with("60.");
}

// Whole turns come off as a truncated count of turns while that count times 360 is exact;
// past that a double holds no fraction of a degree, and the exact remainder serves.
double FoldFullTurns(double degrees) {
    if (std::fabs(degrees) >= kLargestWholeField)
        return std::fmod(degrees, 360.0) + 0.0;
    const long long turns = TruncateToWhole(degrees / 360);
    if (turns != 0)
        degrees = degrees - turns * 360.0;
    return degrees;
}

void PrintDegreesMinutesSeconds(double angle, TextBuilder& text) {
    long long degrees = TruncateToWhole(angle);
    const double minutes = (angle - degrees) * 60;
    long long wholeMinutes = TruncateToWhole(minutes);
    double seconds = (minutes - wholeMinutes) * 60;
    if (PrintsAsSixty(seconds, kDmsSecondDecimals)) {
        seconds = 0.0;
        if (++wholeMinutes == 60) {
            wholeMinutes = 0;
            ++degrees;
        }
    }
    AppendPrintf(text, FormatOf(KUnits::eDEGREE_DMS), {degrees, wholeMinutes, seconds});
    text.SetAt(kDegreeSignIndex, kDegreeSign);
}

void PrintDegreesMinutes(double angle, TextBuilder& text) {
    long long degrees = TruncateToWhole(angle);
    double minutes = (angle - degrees) * 60;
    if (PrintsAsSixty(minutes, kDmMinuteDecimals)) {
        minutes = 0.0;
        ++degrees;
    }
    AppendPrintf(text, FormatOf(KUnits::eDEGREE_DM), {degrees, minutes});
    text.SetAt(kDegreeSignIndex, kDegreeSign);
}

// A value that prints as a full circle prints as zero instead.
void PrintScaledAngle(unsigned short code, double degrees, int bPlusMinus180, double fromDegrees,
                      TextBuilder& text) {
    if (degrees < 0)
        degrees += 360;
    if (bPlusMinus180 && degrees > 180)
        degrees -= 360;
    const char* format = FormatOf(code);
    TextBuilder printed;
    AppendPrintf(printed, format, {degrees * fromDegrees});
    const std::string_view view = printed.View();
    double readBack = 0.0;
    const auto parse = std::from_chars(view.data(), view.data() + view.size(), readBack);
    if (parse.ec == std::errc() && std::fabs(readBack - 360 * fromDegrees) < 1e-08)
        AppendPrintf(text, format, {0.0});
    else
        text.Append(view);
}

} // namespace

bool CanPrintInUnit(unsigned short code, double value) {
    if (!std::isfinite(value))
        return false;
    const bool wholeFields = KUnits::IsAIntegerUnit(code) || code == KUnits::eSTATION_STATIONS ||
                             (code >= KUnits::eTIME_MIN_SEC && code <= KUnits::eTIME_HOUR_MIN);
    return !wholeFields || std::fabs(value) < kLargestWholeField;
}

long long TruncateToWhole(double value) {
    return static_cast<long long>(value);
}

void PrintAngle(unsigned short code, double degrees, int bPlusMinus180, double fromDegrees,
                TextBuilder& text) {
    degrees = FoldFullTurns(degrees);
    switch (code) {
    case KUnits::eDEGREE_DMS:
        PrintDegreesMinutesSeconds(std::fabs(degrees), text);
        break;
    case KUnits::eDEGREE_DM:
        PrintDegreesMinutes(std::fabs(degrees), text);
        break;
    case KUnits::eDEGREE_DDD:
        AppendPrintf(text, FormatOf(code), {std::fabs(degrees)});
        break;
    default:
        PrintScaledAngle(code, degrees, bPlusMinus180, fromDegrees, text);
        break;
    }
}

void PrintStations(double stations, TextBuilder& text) {
    const double magnitude = std::fabs(stations);
    const long long hundreds = TruncateToWhole(magnitude) / 100;
    const double rest = magnitude - hundreds * 100.0;
    AppendPrintf(text, FormatOf(KUnits::eSTATION_STATIONS), {hundreds, '+', rest});
    if (stations < 0)
        text.Prepend('-');
}

namespace {

// Whole days folded out of a count of `units`, where `daysPerUnit` days make one unit.
long long FoldDays(long long& units, int unitsPerDay, double daysPerUnit) {
    const long long days = TruncateToWhole(units * daysPerUnit);
    units -= unitsPerDay * days;
    return days;
}

long long PrintClock(unsigned short code, double seconds, int bNoDayWrap, TextBuilder& text) {
    const char* format = FormatOf(code);
    long long days = 0;
    if (code == KUnits::eTIME_MIN_SEC) {
        long long minutes = TruncateToWhole(seconds * kPerMinute);
        const long long wholeSeconds = TruncateToWhole(seconds - 60.0 * minutes);
        if (!bNoDayWrap)
            days = FoldDays(minutes, 1440, kDaysPerMinute);
        AppendPrintf(text, format, {minutes, wholeSeconds});
        return days;
    }
    long long hours = TruncateToWhole(seconds * kPerHour);
    const double rest = seconds - 3600.0 * hours;
    if (!bNoDayWrap)
        days = FoldDays(hours, 24, kDaysPerHour);
    if (code == KUnits::eTIME_HOUR_MIN_SEC) {
        const long long minutes = TruncateToWhole(rest * kPerMinute);
        const long long wholeSeconds = TruncateToWhole(rest - 60.0 * minutes);
        AppendPrintf(text, format, {hours, minutes, wholeSeconds});
        return days;
    }
    // The carry limits are where "%05.2f" and "%02.0f" would print 60.
    double minutes = rest * kPerMinute;
    const double carryFrom = code == KUnits::eTIME_HOUR_MIN_DEC ? 59.995 : 59.5;
    if (minutes >= carryFrom) {
        minutes = 0.0;
        ++hours;
    }
    AppendPrintf(text, format, {hours, minutes});
    return days;
}

} // namespace

void PrintTime(unsigned short code, double seconds, int bNoDayWrap, TextBuilder& text) {
    if (code < KUnits::eTIME_MIN_SEC) {
        AppendPrintf(text, FormatOf(code), {seconds});
        return;
    }
    const long long days = PrintClock(code, seconds, bNoDayWrap, text);
    if (days > 0)
        AppendPrintf(text, "(+%d)", {days});
}

namespace {

struct AffixStyle {
    char belowZero;
    char otherwise; // 0: nothing is added
    bool suffix;
};

// Rows of the affix table, in order.
constexpr AffixStyle kAffixStyles[] = {
    {'-', 0, false},   {'-', 0, false},  {'-', '+', false}, {'W', 'E', false},
    {'S', 'N', false}, {'W', 'E', true}, {'S', 'N', true},
};

} // namespace

void ApplyAffix(unsigned short code, double value, CString& out) {
    const AffixStyle& style = kAffixStyles[code - KUnits::eAFFIX_DEFAULT];
    const char sign = value < 0 ? style.belowZero : style.otherwise;
    if (!sign)
        return;
    if (style.suffix)
        out += sign;
    else
        out.Insert(0, sign);
}
