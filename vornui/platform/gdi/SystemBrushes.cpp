#include "vornui/platform/SystemBrushes.h"

#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/SystemColors.h"

#include <array>

namespace {

constexpr int kSystemColors = COLOR_MENUBAR + 1;

} // namespace

HBRUSH GetSysColorBrush(int index) {
    static const std::array<HBRUSH, kSystemColors> brushes = [] {
        std::array<HBRUSH, kSystemColors> made{};
        for (int i = 0; i < kSystemColors; ++i) {
            auto record = std::make_unique<BrushRecord>(LOGBRUSH{BS_SOLID, GetSysColor(i), 0});
            record->stock = true;
            record->systemColor = i;
            made[i] = static_cast<HBRUSH>(RegisterGdiObject(std::move(record)));
        }
        return made;
    }();
    return index >= 0 && index < kSystemColors ? brushes[index] : nullptr;
}

HBRUSH ResolveBrushHandle(const void* brush) {
    const auto value = reinterpret_cast<UINT_PTR>(brush);
    if (value > kSystemColors) {
        const auto handle = static_cast<HBRUSH>(const_cast<void*>(brush));
        return LiveGdiObjectOf<BrushRecord>(handle) ? handle : nullptr;
    }
    return value >= 1 && value <= kSystemColors ? GetSysColorBrush(static_cast<int>(value) - 1)
                                                : nullptr;
}

ControlPalette SystemControlPalette() {
    return ControlPalette{GetSysColor(COLOR_3DFACE),        GetSysColor(COLOR_3DLIGHT),
                          GetSysColor(COLOR_3DHILIGHT),     GetSysColor(COLOR_3DSHADOW),
                          GetSysColor(COLOR_3DDKSHADOW),    GetSysColor(COLOR_WINDOW),
                          GetSysColor(COLOR_WINDOWTEXT),    GetSysColor(COLOR_BTNTEXT),
                          GetSysColor(COLOR_GRAYTEXT),      GetSysColor(COLOR_HIGHLIGHT),
                          GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_WINDOWFRAME)};
}

BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
    if (!LiveDC(hdc) || !rect)
        return FALSE;
    PaintEdge(hdc, rect, edge, flags, SystemControlPalette());
    return TRUE;
}
