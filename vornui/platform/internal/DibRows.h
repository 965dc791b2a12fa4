#pragma once

// Rows of device-independent bitmaps (1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB) to
// and from 32-bit pixels: what GetDIBits, SetDIBits and the file writers share.

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/internal/PixelSurface.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

// Bytes per row: rows are padded to whole 32-bit words.
std::size_t DibStride(int width, int bitCount);
bool IsSupportedDibBitCount(int bitCount);
// Bitmaps of more than 2^28 pixels are refused rather than allocated (the system has
// its own limit on a bitmap's size, too).
bool BitmapSizeAllowed(long long width, long long height);
// A BI_RGB header of a supported depth and an allowed size.
bool IsValidDibHeader(const BITMAPINFOHEADER& header);
// Entries of the colour table after the header (none above 8 bits per pixel).
std::size_t DibColorTableSize(const BITMAPINFOHEADER& header);

// The colour table a bitmap of `bitCount` bits gets when read from a device whose
// palette is `palette` (the default palette gives the system's 256 colours).
std::vector<RGBQUAD> DibColorTable(int bitCount, const std::vector<PALETTEENTRY>& palette);

class DibRowEncoder {
public:
    DibRowEncoder(int bitCount, std::vector<RGBQUAD> table);
    void encode(const Pixel* pixels, int width, BYTE* out);

private:
    BYTE indexOf(Pixel pixel);

    int m_bitCount;
    std::vector<RGBQUAD> m_table;
    std::vector<PALETTEENTRY> m_entries;
    std::unordered_map<Pixel, BYTE> m_nearest;
};

void DecodeDibRow(const BYTE* row, int width, int bitCount, const RGBQUAD* table,
                  std::size_t tableSize, Pixel* out);
