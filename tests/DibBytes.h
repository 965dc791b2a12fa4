#pragma once

// Bitmap and icon data built byte by byte, as other programs write them, for the tests of
// the readers: packed DIBs (bitmap resources), BMP files, icon images and directories.

#include "vornui/platform/GdiTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dib_bytes {

inline void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The value of pixel (x, y), y counted from the top: a colour index up to 8 bits per pixel,
// else the pixel's bits as the depth stores them (0x00RRGGBB for 24 and 32 bits).
using PixelValue = std::function<std::uint32_t(int x, int y)>;

struct DibShape {
    int width;
    int height;
    int bitCount;
    bool topDown = false;
    DWORD compression = BI_RGB;
    std::vector<RGBQUAD> colors = {};
    std::vector<DWORD> masks = {}; // BI_BITFIELDS: red, green, blue
    int extraRows = 0;             // rows of zero bits after the image (an icon's mask)
};

inline std::string Rows(const DibShape& shape, const PixelValue& value) {
    std::string bits;
    const int stride = ((shape.width * shape.bitCount + 31) / 32) * 4;
    for (int line = 0; line < shape.height; ++line) {
        const int y = shape.topDown ? line : shape.height - 1 - line;
        std::string row(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < shape.width; ++x) {
            const std::uint32_t v = value(x, y);
            const int bit = x * shape.bitCount;
            if (shape.bitCount < 8) {
                const int shift = 8 - shape.bitCount - bit % 8;
                row[bit / 8] = static_cast<char>(row[bit / 8] | (v << shift));
            } else {
                for (int b = 0; b < shape.bitCount / 8; ++b)
                    row[bit / 8 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            }
        }
        bits += row;
    }
    return bits;
}

inline std::string Header(const DibShape& shape, int heightFactor = 1) {
    std::string out;
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(shape.width), 4);
    Put(out,
        static_cast<std::uint32_t>((shape.topDown ? -shape.height : shape.height) * heightFactor),
        4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(shape.bitCount), 2);
    Put(out, shape.compression, 4);
    for (int i = 0; i < 5; ++i)
        Put(out, i == 3 ? static_cast<std::uint32_t>(shape.colors.size()) : 0, 4);
    for (const DWORD mask : shape.masks)
        Put(out, mask, 4);
    for (const RGBQUAD& quad : shape.colors) {
        out.push_back(static_cast<char>(quad.rgbBlue));
        out.push_back(static_cast<char>(quad.rgbGreen));
        out.push_back(static_cast<char>(quad.rgbRed));
        out.push_back('\0');
    }
    return out;
}

inline std::string PackedDib(const DibShape& shape, const PixelValue& value) {
    return Header(shape) + Rows(shape, value);
}

inline std::string BmpFile(const std::string& packed, std::size_t headerAndColors) {
    std::string out = "BM";
    Put(out, static_cast<std::uint32_t>(14 + packed.size()), 4);
    Put(out, 0, 4);
    Put(out, static_cast<std::uint32_t>(14 + headerAndColors), 4);
    return out + packed;
}

inline std::string BmpFile(const DibShape& shape, const PixelValue& value) {
    const std::string header = Header(shape);
    return BmpFile(header + Rows(shape, value), header.size());
}

// An icon image: the colour rows, then the AND mask (`transparent` pixels set).
inline std::string IconImage(const DibShape& shape, const PixelValue& value,
                             const std::function<bool(int x, int y)>& transparent) {
    DibShape mask{shape.width, shape.height, 1};
    return Header(shape, 2) + Rows(shape, value) +
           Rows(mask, [&](int x, int y) { return transparent(x, y) ? 1u : 0u; });
}

struct IconEntry {
    int width;
    int height;
    int bitCount;
    std::string image;
};

// An icon file (`file`) or an icon group resource whose images are RT_ICON ids 1, 2, ...
inline std::string IconDirectory(const std::vector<IconEntry>& entries, bool file) {
    std::string out;
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(entries.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + entries.size() * 16);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& entry = entries[i];
        out.push_back(static_cast<char>(entry.width & 0xFF));
        out.push_back(static_cast<char>(entry.height & 0xFF));
        out.push_back('\0');
        out.push_back('\0');
        Put(out, 1, 2);
        Put(out, static_cast<std::uint32_t>(entry.bitCount), 2);
        Put(out, static_cast<std::uint32_t>(entry.image.size()), 4);
        if (file) {
            Put(out, offset, 4);
            offset += static_cast<std::uint32_t>(entry.image.size());
        } else {
            Put(out, static_cast<std::uint32_t>(i + 1), 2);
        }
    }
    if (file)
        for (const IconEntry& entry : entries)
            out += entry.image;
    return out;
}

} // namespace dib_bytes
