#include "vornui/platform/SystemBrushes.h"

#include "vornui/platform/GdiRecords.h"

HBRUSH ResolveBrushHandle(HBRUSH brush) {
    return LiveGdiObjectOf<BrushRecord>(brush) ? brush : nullptr;
}
