#pragma once

// Readers of bitmap and icon data that come from outside: BMP files, packed DIBs (bitmap
// resources), icon directories (icon files and icon group resources) and the images they
// point at. Every reader checks each size and offset against the bytes it was given.

#include "vornui/platform/internal/ArgbImage.h"

#include <cstddef>
#include <optional>
#include <vector>

// A device-independent bitmap: header, colour table and the rows of pixels.
struct PackedDib {
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> colors;
    DWORD masks[3] = {}; // red, green, blue of BI_BITFIELDS
    const BYTE* bits = nullptr;
    std::size_t bitsSize = 0;

    int width() const { return header.biWidth; }
    int height() const { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }
};

// A packed DIB (header, colours, bits); `bitsOffset`, when not 0, is where the bits start,
// counted from `data`.
std::optional<PackedDib> ParsePackedDib(const BYTE* data, std::size_t size,
                                        std::size_t bitsOffset = 0);
// A whole BMP file.
std::optional<PackedDib> ParseBmpFile(const BYTE* data, std::size_t size);
// The pixels, top row first; alpha 255, except for 32-bit rows when `keepAlpha` is set,
// which keep the byte they carry.
ArgbImage DecodeDib(const PackedDib& dib, bool keepAlpha);

struct IconDirectoryEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    DWORD bytes = 0;
    DWORD location = 0; // the icon's resource id in a group, its offset in a file
};

// The entries of an icon file (`file`) or an icon group resource; empty when malformed.
std::vector<IconDirectoryEntry> ParseIconDirectory(const BYTE* data, std::size_t size, bool file);
// The entry that suits `width` x `height` best: the closest size, then the most colours.
const IconDirectoryEntry* BestIconEntry(const std::vector<IconDirectoryEntry>& entries, int width,
                                        int height);
// Icons are at most this many pixels wide and high.
constexpr int kMaxIconSide = 1024;

// One icon image: a DIB of twice the icon's height (colours, then the AND mask) or a PNG
// stream; empty when malformed or larger than an icon may be.
ArgbImage DecodeIconImage(const BYTE* data, std::size_t size);
