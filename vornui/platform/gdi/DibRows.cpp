#include "vornui/platform/internal/DibRows.h"

#include "vornui/platform/internal/StaticColors.h"

#include <algorithm>
#include <cstdlib>

namespace {

RGBQUAD QuadFrom(const PALETTEENTRY& entry) {
    return {entry.peBlue, entry.peGreen, entry.peRed, 0};
}

const std::vector<PALETTEENTRY>& VgaColors() {
    static const std::vector<PALETTEENTRY> colors = [] {
        const auto& statics = StaticColors();
        std::vector<PALETTEENTRY> vga(statics.begin(), statics.begin() + 8);
        vga.push_back({128, 128, 128, 0});
        vga.insert(vga.end(), statics.begin() + 13, statics.end());
        return vga;
    }();
    return colors;
}

} // namespace

std::size_t DibStride(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) & ~std::size_t{31}) / 8;
}

bool IsSupportedDibBitCount(int bitCount) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

bool BitmapSizeAllowed(long long width, long long height) {
    constexpr long long kMaxPixels = 1LL << 28;
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

bool IsValidDibHeader(const BITMAPINFOHEADER& header) {
    return header.biSize >= sizeof(BITMAPINFOHEADER) && header.biCompression == BI_RGB &&
           IsSupportedDibBitCount(header.biBitCount) &&
           BitmapSizeAllowed(header.biWidth, std::llabs(header.biHeight));
}

std::size_t DibColorTableSize(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8)
        return 0;
    const DWORD full = 1u << header.biBitCount;
    return header.biClrUsed > 0 && header.biClrUsed < full ? header.biClrUsed : full;
}

std::vector<RGBQUAD> DibColorTable(int bitCount, const std::vector<PALETTEENTRY>& palette) {
    std::vector<RGBQUAD> table;
    if (bitCount == 1) {
        table = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    } else if (bitCount == 4) {
        for (const PALETTEENTRY& entry : VgaColors())
            table.push_back(QuadFrom(entry));
    } else if (bitCount == 8) {
        const bool defaultPalette = palette.size() <= StaticColors().size();
        for (const PALETTEENTRY& entry : defaultPalette ? SystemPaletteEntries() : palette)
            table.push_back(QuadFrom(entry));
        table.resize(256, RGBQUAD{0, 0, 0, 0});
    }
    return table;
}

DibRowEncoder::DibRowEncoder(int bitCount, std::vector<RGBQUAD> table)
    : m_bitCount(bitCount), m_table(std::move(table)) {
    for (const RGBQUAD& quad : m_table)
        m_entries.push_back({quad.rgbRed, quad.rgbGreen, quad.rgbBlue, 0});
}

BYTE DibRowEncoder::indexOf(Pixel pixel) {
    auto it = m_nearest.find(pixel);
    if (it != m_nearest.end())
        return it->second;
    const BYTE index = static_cast<BYTE>(NearestEntry(m_entries, ColorFromPixel(pixel)));
    m_nearest.emplace(pixel, index);
    return index;
}

void DibRowEncoder::encode(const Pixel* pixels, int width, BYTE* out) {
    std::fill_n(out, DibStride(width, m_bitCount), BYTE{0});
    for (int x = 0; x < width; ++x) {
        const Pixel p = pixels[x] & 0xFFFFFF;
        switch (m_bitCount) {
        case 1:
            out[x >> 3] |= static_cast<BYTE>((indexOf(p) & 1) << (7 - (x & 7)));
            break;
        case 4:
            out[x >> 1] |= static_cast<BYTE>((indexOf(p) & 0x0F) << ((x & 1) ? 0 : 4));
            break;
        case 8:
            out[x] = indexOf(p);
            break;
        case 16: {
            const unsigned value =
                (((p >> 19) & 0x1F) << 10) | (((p >> 11) & 0x1F) << 5) | ((p >> 3) & 0x1F);
            out[2 * x] = static_cast<BYTE>(value);
            out[2 * x + 1] = static_cast<BYTE>(value >> 8);
            break;
        }
        case 24:
            out[3 * x] = static_cast<BYTE>(p);
            out[3 * x + 1] = static_cast<BYTE>(p >> 8);
            out[3 * x + 2] = static_cast<BYTE>(p >> 16);
            break;
        case 32:
            out[4 * x] = static_cast<BYTE>(p);
            out[4 * x + 1] = static_cast<BYTE>(p >> 8);
            out[4 * x + 2] = static_cast<BYTE>(p >> 16);
            out[4 * x + 3] = 0;
            break;
        }
    }
}

void DecodeDibRow(const BYTE* row, int width, int bitCount, const RGBQUAD* table,
                  std::size_t tableSize, Pixel* out) {
    auto fromTable = [&](unsigned index) -> Pixel {
        if (index >= tableSize)
            return 0;
        const RGBQUAD& quad = table[index];
        return (static_cast<Pixel>(quad.rgbRed) << 16) | (quad.rgbGreen << 8) | quad.rgbBlue;
    };
    for (int x = 0; x < width; ++x) {
        switch (bitCount) {
        case 1:
            out[x] = fromTable((row[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            out[x] = fromTable((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
            break;
        case 8:
            out[x] = fromTable(row[x]);
            break;
        case 16: {
            const unsigned value = row[2 * x] | (row[2 * x + 1] << 8);
            auto expand = [](unsigned five) { return (five << 3) | (five >> 2); };
            out[x] = (expand((value >> 10) & 0x1F) << 16) | (expand((value >> 5) & 0x1F) << 8) |
                     expand(value & 0x1F);
            break;
        }
        case 24:
            out[x] =
                row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<Pixel>(row[3 * x + 2]) << 16);
            break;
        case 32:
            out[x] =
                row[4 * x] | (row[4 * x + 1] << 8) | (static_cast<Pixel>(row[4 * x + 2]) << 16);
            break;
        }
    }
}
