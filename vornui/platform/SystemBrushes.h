#pragma once

// Brushes of the system colours, and the colours the standard controls paint with.

#include "vornui/platform/internal/ControlPainting.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

// A brush that always paints the current system colour `index` (a stock object).
VORNUI_API HBRUSH GetSysColorBrush(int index);
VORNUI_API BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags);

// A brush handle as the fill functions take it: a live brush, or a system colour index
// plus one, as window classes and FillRect callers write (HBRUSH)(COLOR_BTNFACE + 1).
HBRUSH ResolveBrushHandle(const void* brush);
ControlPalette SystemControlPalette();
