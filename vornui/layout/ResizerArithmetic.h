#pragma once

// Panel arithmetic is done wide and stored saturated, so that caller rectangles, spacings
// and splitter positions at the ends of the int range never overflow.

#include "vornui/platform/CRect.h"

#include <climits>
#include <cmath>

namespace resizer {

inline int Saturate(long long value) {
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// Truncates toward zero; NaN gives 0.
inline int Truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

inline long long WidthOf(const RECT& rect) {
    return static_cast<long long>(rect.right) - rect.left;
}

inline long long HeightOf(const RECT& rect) {
    return static_cast<long long>(rect.bottom) - rect.top;
}

} // namespace resizer
