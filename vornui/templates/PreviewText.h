#pragma once

// The texts of the template dialogs' previews, written into buffers of the caller's so
// that a preview of a million rows allocates nothing per value.

#include "vornui/platform/CTime.h"
#include "vornui/platform/Export.h"

// Room for "%.2f" of any double.
using PreviewNumberText = char[400];
// Room for a day, month, year, hour and minute of any time.
using PreviewTimeText = char[64];

// `value` with "%.2f" (which "%.2lf" writes alike); returns `text`.
VORNUI_API const char* FormatTwoDecimals(double value, PreviewNumberText& text);
// The local time in `zone` with "%d/%m/%y %H:%M" (as strftime writes it); empty when the
// time has no local form. Returns `text`.
VORNUI_API const char* FormatLocalMinute(const CTime& time, CLocalZone& zone,
                                         PreviewTimeText& text);
