#pragma once

// The texts of the template dialogs' previews, written into buffers of the caller's so
// that a preview of a million rows allocates nothing per value.

#include "vornui/platform/Export.h"

#include <cstdint>

// Room for "%.2f" of any double.
using PreviewNumberText = char[400];
// Room for a day, month, year, hour and minute of any time.
using PreviewTimeText = char[64];

// `value` with "%.2f" (which "%.2lf" writes alike); returns `text`.
VORNUI_API const char* FormatTwoDecimals(double value, PreviewNumberText& text);
// A local time, counted in seconds from 1970-01-01 00:00 as if it were UTC (as
// CLocalZone::UtcToLocalSeconds gives it), with "%d/%m/%y %H:%M" as strftime writes it.
// Returns `text`.
VORNUI_API const char* FormatLocalMinute(int64_t localSeconds, PreviewTimeText& text);
