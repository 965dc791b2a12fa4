#include "vornui/platform/internal/StaticColors.h"

#include <algorithm>

const std::array<PALETTEENTRY, 20>& StaticColors() {
    static const std::array<PALETTEENTRY, 20> colors{{
        {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
        {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
        {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
        {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
        {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
    }};
    return colors;
}

namespace {

std::vector<PALETTEENTRY> MakeSystemPalette() {
    std::vector<PALETTEENTRY> entries(StaticColors().begin(), StaticColors().begin() + 10);
    // 6 × 6 × 6 colour cube (216 entries) and 20 greys fill the 236 free places.
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                entries.push_back({static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51),
                                   static_cast<BYTE>(b * 51), 0});
    for (int i = 1; i <= 20; ++i) {
        const BYTE grey = static_cast<BYTE>(i * 12);
        entries.push_back({grey, grey, grey, 0});
    }
    entries.insert(entries.end(), StaticColors().begin() + 10, StaticColors().end());
    return entries;
}

} // namespace

const std::vector<PALETTEENTRY>& SystemPaletteEntries() {
    static const std::vector<PALETTEENTRY> entries = MakeSystemPalette();
    return entries;
}

UINT CopyPaletteEntries(const std::vector<PALETTEENTRY>& palette, UINT start, UINT count,
                        LPPALETTEENTRY entries) {
    const UINT size = static_cast<UINT>(palette.size());
    if (!entries)
        return size;
    if (start >= size)
        return 0;
    const UINT copied = std::min(count, size - start);
    std::copy_n(palette.begin() + start, copied, entries);
    return copied;
}

std::size_t NearestEntry(const std::vector<PALETTEENTRY>& entries, COLORREF color) {
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const long dr = static_cast<long>(entries[i].peRed) - GetRValue(color);
        const long dg = static_cast<long>(entries[i].peGreen) - GetGValue(color);
        const long db = static_cast<long>(entries[i].peBlue) - GetBValue(color);
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
        if (distance == 0)
            break;
    }
    return best;
}
