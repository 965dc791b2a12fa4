#pragma once

// Large tables (a list of a million rows) are faster to fill with fewer, larger pages: each
// fresh page costs the kernel a fault, and four kilobytes at a time a million rows cost tens
// of thousands of them.

#include "vornui/platform/Export.h"

#include <cstddef>

// Asks the kernel to back the whole two-megabyte pages within [start, start + bytes) with
// huge pages where it can; nothing changes for smaller ranges or where it cannot.
VORNUI_API void AdviseHugePages(void* start, size_t bytes);
