#pragma once

// The font the standard controls and bars measure their rows, character cells and labels
// with: the dialog font, "MS Shell Dlg" at 8 points.

#include "vornui/platform/Screen.h"

inline FontCharMetrics ControlFontMetrics() {
    return MeasureFont("MS Shell Dlg", 8);
}
