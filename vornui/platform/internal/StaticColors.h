#pragma once

// The twenty colours a palette device reserves (ten at each end of its palette), and
// the nearest-colour search that maps true colours onto a palette.

#include "vornui/platform/GdiTypes.h"

#include <array>
#include <vector>

const std::array<PALETTEENTRY, 20>& StaticColors();
// The system palette of a palette display: the static colours at both ends and a
// colour cube with grey steps between them, 256 entries.
const std::vector<PALETTEENTRY>& SystemPaletteEntries();
// GetPaletteEntries over `palette`: the entry count when `entries` is null, else the
// number of entries copied from `start` on (at most `count`).
UINT CopyPaletteEntries(const std::vector<PALETTEENTRY>& palette, UINT start, UINT count,
                        LPPALETTEENTRY entries);
// Index of the entry closest to `color` (squared distance; the first of equals).
std::size_t NearestEntry(const std::vector<PALETTEENTRY>& entries, COLORREF color);
