// The window's number texts: thousands grouping and a fixed count of significant digits,
// in the locale's decimal separator.

#include "vornui/properties/KPropWnd.h"

#include <cmath>
#include <cstdio>

char KPropWnd::DecimalSeparator() {
    char probe[8] = {};
    std::snprintf(probe, sizeof probe, "%.1f", 1.2);
    return probe[1];
}

CString KPropWnd::FormatThousands(double value, int decimals, char separator) {
    CString text;
    text.Format("%.*f", decimals, value);
    if (separator) {
        const int point = text.Find(DecimalSeparator());
        const int first = text.Left(1) == "-" ? 1 : 0;
        for (int end = point < 0 ? text.GetLength() : point; end > first + 3;) {
            end -= 3;
            text.Insert(end, separator);
        }
    }
    return text;
}

CString KPropWnd::FormatDigits(double value, int digits) {
    const char separator = DecimalSeparator();
    const double magnitude = std::fabs(value);
    CString text;
    text.Format("%.*f", digits, magnitude);
    const int point = text.Find(separator);
    const int before = point < 0 ? text.GetLength() : point;
    if (before < digits) {
        const int decimals = digits - before;
        text.Format("%.0f", magnitude * std::pow(10.0, decimals));
        if (text.GetLength() < digits) {
            const CString zeros('0', digits - 1 - text.GetLength());
            text = CString('0', 1) + separator + zeros + text;
        } else {
            text.Insert(text.GetLength() - decimals, separator);
        }
    } else {
        text.Format("%.0f", magnitude);
    }
    if (value < 0)
        text.Insert(0, '-');
    if (text.Find(separator) >= 0) {
        text.TrimRight('0');
        text.TrimRight(separator);
    }
    return text;
}
