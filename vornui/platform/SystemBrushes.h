#pragma once

// Brushes of the system colours, and the edges drawn with them.

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

// A brush that always paints the current system colour `index` (a stock object).
VORNUI_API HBRUSH GetSysColorBrush(int index);
VORNUI_API BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags);
