// The window's angle texts in their six notations, and the grid and geographic positions
// built on them.

#include "vornui/properties/KPropWnd.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr char kDegree = '\xB0';
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
// Integer counts above this do not fit a 64-bit integer.
constexpr double kLargestCount = 9.2e18;

CString DecimalDegrees(double magnitude, int decimals) {
    CString text;
    text.Format("%.*f", decimals, magnitude);
    text.TrimRight('0');
    text.TrimRight('.');
    text.TrimRight(',');
    return text + kDegree;
}

// The fraction of a count, zero-padded to `width` digits without its trailing zeros,
// after the decimal separator; nothing for no fraction.
CString Fraction(std::int64_t fraction, int width) {
    if (fraction <= 0)
        return CString();
    CString digits;
    digits.Format("%0*lld", width, static_cast<long long>(fraction));
    digits.TrimRight('0');
    return KPropWnd::DecimalSeparator() + digits;
}

// Whole minutes and millionths of a minute, brought to one integer count first so that
// the carries into minutes and degrees are exact.
CString DegreesMinutes(double count) {
    const auto n = static_cast<std::int64_t>(count);
    const std::int64_t minutes = n / 1000000;
    CString text;
    text.Format("%03lld\xB0 %02lld", static_cast<long long>(minutes / 60),
                static_cast<long long>(minutes % 60));
    return text + Fraction(n % 1000000, 6) + '\'';
}

CString DegreesMinutesSeconds(double count) {
    const auto n = static_cast<std::int64_t>(count);
    const std::int64_t seconds = n / 100000;
    CString text;
    text.Format("%03lld\xB0 %02lld' %02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text + Fraction(n % 100000, 5) + '"';
}

CString WithSign(const CString& text, const CString& sign, int placement) {
    if (sign.IsEmpty())
        return text;
    if (placement == KPropWnd::eSignSuffix)
        return text + ' ' + sign;
    return sign.GetAt(0) == '-' ? sign + text : sign + ' ' + text;
}

CString PlainNumber(double value) {
    CString text;
    text.Format("%lf", value);
    return text;
}

bool StartsWith(const CString& text, const CString& start) {
    return !start.IsEmpty() && text.Left(start.GetLength()) == start;
}

bool EndsWith(const CString& text, const CString& end) {
    return !end.IsEmpty() && text.GetLength() >= end.GetLength() &&
           text.Right(end.GetLength()) == end;
}

} // namespace

const char* const KPropWnd::AngleNotationNames[6] = {"DD.dddddd\xB0",    "DD\xB0MM.mmmm'",
                                                     "DD\xB0MM'SS.ss\"", "n.nnnnnnnnnn rad",
                                                     "DD.ddd\xB0",       "DD.ddddddddd\xB0"};

CString KPropWnd::FormatAngle(double value, int notation, const CString& negativeText,
                              const CString& positiveText, int placement) {
    const double magnitude = std::fabs(value);
    CString text;
    switch (notation) {
    case eDegrees6:
        text = DecimalDegrees(magnitude, 6);
        break;
    case eDegrees3:
        text = DecimalDegrees(magnitude, 3);
        break;
    case eDegrees9:
        text = DecimalDegrees(magnitude, 9);
        break;
    case eDegreesMinutes: {
        const double count = magnitude * 60.0 * 1000000.0 + 0.5;
        if (!(count < kLargestCount))
            return PlainNumber(value);
        text = DegreesMinutes(count);
        break;
    }
    case eDegreesSeconds: {
        const double count = magnitude * 3600.0 * 100000.0 + 0.5;
        if (!(count < kLargestCount))
            return PlainNumber(value);
        text = DegreesMinutesSeconds(count);
        break;
    }
    case eRadians:
        text.Format("%.10lf rad", value * kRadiansPerDegree);
        return text;
    default:
        return PlainNumber(value);
    }
    return WithSign(text, value < 0 ? negativeText : positiveText, placement);
}

bool KPropWnd::ParseAngle(const CString& text, int notation, const CString& negativeText,
                          const CString& /*positiveText*/, int placement, double& value) {
    if (text.IsEmpty())
        return false;
    if (notation == eRadians) {
        double radians = 0;
        if (std::sscanf(text.GetString(), "%lf", &radians) != 1)
            return false;
        value = radians * kDegreesPerRadian;
        return true;
    }
    const bool negative = placement == eSignSuffix
                              ? EndsWith(text, negativeText) || EndsWith(text, "-")
                              : StartsWith(text, negativeText) || StartsWith(text, "-");
    const char separator = DecimalSeparator();
    CString numbers = text;
    for (int i = 0; i < numbers.GetLength(); ++i) {
        const char ch = numbers.GetAt(i);
        if (ch == '.' || ch == ',')
            numbers.SetAt(i, separator);
        else if (ch < '0' || ch > '9')
            numbers.SetAt(i, ' ');
    }
    double parts[3] = {0, 0, 0};
    const int read = std::sscanf(numbers.GetString(), "%lf%lf%lf", &parts[0], &parts[1], &parts[2]);
    if (read < 1)
        return false;
    double degrees = parts[0];
    if (read > 1)
        degrees += parts[1] / 60.0;
    if (read > 2)
        degrees += parts[2] / 3600.0;
    value = negative ? -degrees : degrees;
    return true;
}

CString KPropWnd::FormatGridPosition(double easting, double northing) {
    CString text;
    text.Format("E%.2f N%.2f", easting, northing);
    return text;
}

bool KPropWnd::ParseGridPosition(const CString& text, double& easting, double& northing) {
    double east = 0;
    double north = 0;
    // The single-precision form "%f %f" would read the same texts as "%lf %lf": it is not
    // tried a third time.
    if (std::sscanf(text.GetString(), "E%lf N%lf", &east, &north) != 2 &&
        std::sscanf(text.GetString(), "%lf %lf", &east, &north) != 2)
        return false;
    easting = east;
    northing = north;
    return true;
}

CString KPropWnd::FormatGeoPosition(double latitude, double longitude) {
    CString north = FormatAngle(latitude, eDegreesSeconds, "S", "N", eSignSuffix);
    CString east = FormatAngle(longitude, eDegreesSeconds, "W", "E", eSignSuffix);
    north.Remove(' ');
    east.Remove(' ');
    return north + ' ' + east;
}

bool KPropWnd::ParseGeoPosition(const CString& text, double& latitude, double& longitude) {
    if (text.Find(' ') < 0)
        return false;
    CString north;
    CString east;
    const int n = text.Find('N');
    if (n >= 0) {
        north = text.Left(n + 1);
        east = text.Mid(n + 2);
    } else {
        CString trimmed = text;
        trimmed.Trim();
        int spaces = 0;
        for (int i = 0; i < trimmed.GetLength(); ++i)
            spaces += trimmed.GetAt(i) == ' ';
        if (spaces % 2 == 0)
            return false;
        int split = -1;
        for (int seen = 0; seen <= spaces / 2; ++seen)
            split = trimmed.Find(' ', split + 1);
        north = trimmed.Left(split);
        east = trimmed.Mid(split + 1);
    }
    double lat = 0;
    double lon = 0;
    if (!ParseAngle(north, eDegreesSeconds, "S", "N", eSignSuffix, lat) ||
        !ParseAngle(east, eDegreesSeconds, "W", "E", eSignSuffix, lon))
        return false;
    latitude = lat;
    longitude = lon;
    return true;
}
