#include "vornui/platform/internal/DibFiles.h"

#include "vornui/platform/internal/DibRows.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <png.h>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;

DWORD ReadLittle(const BYTE* at, int bytes) {
    DWORD value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

// The old 12-byte header of OS/2 bitmaps, turned into the usual one.
BITMAPINFOHEADER FromCoreHeader(const BYTE* data) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = static_cast<LONG>(ReadLittle(data + 4, 2));
    header.biHeight = static_cast<LONG>(ReadLittle(data + 6, 2));
    header.biPlanes = static_cast<WORD>(ReadLittle(data + 8, 2));
    header.biBitCount = static_cast<WORD>(ReadLittle(data + 10, 2));
    header.biCompression = BI_RGB;
    return header;
}

bool HasUsableLayout(const BITMAPINFOHEADER& header) {
    if (header.biPlanes != 1 || header.biHeight == INT_MIN ||
        !IsSupportedDibBitCount(header.biBitCount) ||
        !BitmapSizeAllowed(header.biWidth, std::llabs(header.biHeight)))
        return false;
    if (header.biCompression == BI_BITFIELDS)
        return header.biBitCount == 16 || header.biBitCount == 32;
    return header.biCompression == BI_RGB;
}

// A channel of a BI_BITFIELDS pixel, scaled to 8 bits.
DWORD MaskedChannel(DWORD value, DWORD mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const DWORD maximum = mask >> shift;
    return ((value & mask) >> shift) * 255 / maximum;
}

void DecodeBitfieldsRow(const BYTE* row, const PackedDib& dib, ArgbPixel* out) {
    const int bytes = dib.header.biBitCount / 8;
    for (int x = 0; x < dib.width(); ++x) {
        const DWORD value = ReadLittle(row + x * bytes, bytes);
        out[x] = 0xFF000000u | (MaskedChannel(value, dib.masks[0]) << 16) |
                 (MaskedChannel(value, dib.masks[1]) << 8) | MaskedChannel(value, dib.masks[2]);
    }
}

bool IsPng(const BYTE* data, std::size_t size) {
    static constexpr BYTE kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

ArgbImage DecodePng(const BYTE* data, std::size_t size) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size))
        return {};
    if (png.width > kMaxIconSide || png.height > kMaxIconSide) {
        png_image_free(&png);
        return {};
    }
    png.format = PNG_FORMAT_BGRA;
    ArgbImage image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
}

} // namespace

std::optional<PackedDib> ParsePackedDib(const BYTE* data, std::size_t size,
                                        std::size_t bitsOffset) {
    if (!data || size < 4)
        return std::nullopt;
    const DWORD headerSize = ReadLittle(data, 4);
    PackedDib dib;
    std::size_t quadSize = sizeof(RGBQUAD);
    if (headerSize == kCoreHeaderSize && size >= kCoreHeaderSize) {
        dib.header = FromCoreHeader(data);
        quadSize = 3;
    } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= size) {
        std::memcpy(&dib.header, data, sizeof dib.header);
    } else {
        return std::nullopt;
    }
    if (!HasUsableLayout(dib.header))
        return std::nullopt;
    std::size_t at = headerSize;
    if (dib.header.biCompression == BI_BITFIELDS) {
        // The masks follow a plain header; larger headers carry them inside.
        const std::size_t masksAt = headerSize == sizeof(BITMAPINFOHEADER) ? at : 40;
        if (masksAt + 12 > size)
            return std::nullopt;
        for (int i = 0; i < 3; ++i)
            dib.masks[i] = ReadLittle(data + masksAt + 4 * i, 4);
        if (headerSize == sizeof(BITMAPINFOHEADER))
            at += 12;
    }
    const std::size_t colorCount = DibColorTableSize(dib.header);
    if (at + colorCount * quadSize > size)
        return std::nullopt;
    for (std::size_t i = 0; i < colorCount; ++i, at += quadSize)
        dib.colors.push_back({data[at], data[at + 1], data[at + 2], 0});
    if (bitsOffset != 0)
        at = bitsOffset;
    const std::size_t needed = DibStride(dib.width(), dib.header.biBitCount) * dib.height();
    if (at > size || size - at < needed)
        return std::nullopt;
    dib.bits = data + at;
    dib.bitsSize = needed;
    return dib;
}

std::optional<PackedDib> ParseBmpFile(const BYTE* data, std::size_t size) {
    if (!data || size < kFileHeaderSize || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const DWORD offset = ReadLittle(data + 10, 4);
    if (offset < kFileHeaderSize || offset > size)
        return std::nullopt;
    return ParsePackedDib(data + kFileHeaderSize, size - kFileHeaderSize, offset - kFileHeaderSize);
}

ArgbImage DecodeDib(const PackedDib& dib, bool keepAlpha) {
    ArgbImage image(dib.width(), dib.height());
    const std::size_t stride = DibStride(dib.width(), dib.header.biBitCount);
    std::vector<Pixel> row(static_cast<std::size_t>(dib.width()));
    for (int line = 0; line < dib.height(); ++line) {
        const BYTE* in = dib.bits + stride * line;
        const int y = dib.header.biHeight < 0 ? line : dib.height() - 1 - line;
        ArgbPixel* out = &image.at(0, y);
        if (dib.header.biCompression == BI_BITFIELDS) {
            DecodeBitfieldsRow(in, dib, out);
            continue;
        }
        DecodeDibRow(in, dib.width(), dib.header.biBitCount, dib.colors.data(), dib.colors.size(),
                     row.data());
        for (int x = 0; x < dib.width(); ++x) {
            const ArgbPixel alpha = keepAlpha && dib.header.biBitCount == 32
                                        ? static_cast<ArgbPixel>(in[4 * x + 3]) << 24
                                        : 0xFF000000u;
            out[x] = alpha | row[x];
        }
    }
    return image;
}

std::vector<IconDirectoryEntry> ParseIconDirectory(const BYTE* data, std::size_t size, bool file) {
    constexpr std::size_t kHeader = 6;
    const std::size_t entrySize = file ? 16 : 14;
    if (!data || size < kHeader || ReadLittle(data, 2) != 0 || ReadLittle(data + 2, 2) != 1)
        return {};
    const std::size_t count = ReadLittle(data + 4, 2);
    if (kHeader + count * entrySize > size)
        return {};
    std::vector<IconDirectoryEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const BYTE* entry = data + kHeader + i * entrySize;
        IconDirectoryEntry parsed;
        parsed.width = entry[0] ? entry[0] : 256;
        parsed.height = entry[1] ? entry[1] : 256;
        parsed.bitCount = static_cast<int>(ReadLittle(entry + 6, 2));
        parsed.bytes = ReadLittle(entry + 8, 4);
        parsed.location = ReadLittle(entry + 12, file ? 4 : 2);
        entries.push_back(parsed);
    }
    return entries;
}

const IconDirectoryEntry* BestIconEntry(const std::vector<IconDirectoryEntry>& entries, int width,
                                        int height) {
    const IconDirectoryEntry* best = nullptr;
    long long bestDistance = 0;
    for (const IconDirectoryEntry& entry : entries) {
        const long long distance =
            std::llabs(entry.width - width) + std::llabs(entry.height - height);
        if (!best || distance < bestDistance ||
            (distance == bestDistance && entry.bitCount > best->bitCount)) {
            best = &entry;
            bestDistance = distance;
        }
    }
    return best;
}

ArgbImage DecodeIconImage(const BYTE* data, std::size_t size) {
    if (!data)
        return {};
    if (IsPng(data, size))
        return DecodePng(data, size);
    if (size < sizeof(BITMAPINFOHEADER))
        return {};
    // The header counts the colour rows and the mask rows together; bottom-up only.
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    if (header.biHeight <= 0 || header.biHeight % 2 != 0 || header.biWidth > kMaxIconSide ||
        header.biHeight / 2 > kMaxIconSide)
        return {};
    std::vector<BYTE> halved(data, data + size);
    const LONG iconHeight = header.biHeight / 2;
    std::memcpy(halved.data() + offsetof(BITMAPINFOHEADER, biHeight), &iconHeight,
                sizeof iconHeight);
    const auto colors = ParsePackedDib(halved.data(), halved.size());
    if (!colors)
        return {};
    const std::size_t maskStride = DibStride(colors->width(), 1);
    const std::size_t maskAt =
        static_cast<std::size_t>(colors->bits - halved.data()) + colors->bitsSize;
    const bool hasMask = halved.size() - maskAt >= maskStride * colors->height();
    ArgbImage image = DecodeDib(*colors, true);
    if (colors->header.biBitCount == 32 && image.hasAlpha())
        return image;
    for (int line = 0; line < image.height; ++line) {
        const BYTE* mask = halved.data() + maskAt + maskStride * line;
        for (int x = 0; x < image.width; ++x) {
            const bool transparent = hasMask && ((mask[x >> 3] >> (7 - (x & 7))) & 1);
            ArgbPixel& pixel = image.at(x, image.height - 1 - line);
            pixel = transparent ? 0 : (pixel | 0xFF000000u);
        }
    }
    return image;
}
