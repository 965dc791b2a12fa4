#pragma once

#include "vornui/platform/CTime.h"
#include "vornui/platform/Export.h"

// The day of the year of `time` in local time, 1 for January 1; 0 when the time has no
// local date. February has 29 days in every year divisible by 4, as the suite's data
// files count them (2100 included).
VORNUI_API int GetJulianDay(const CTime& time);
