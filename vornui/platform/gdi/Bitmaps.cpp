#include "vornui/platform/Bitmaps.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/internal/DibRows.h"
#include "vornui/platform/internal/GdiRecords.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

void FillFromDdbBits(BitmapRecord& bitmap, const BYTE* bits) {
    PixelSurface& surface = *bitmap.surface;
    const int stride = bitmap.widthBytes();
    std::vector<RGBQUAD> table = DibColorTable(bitmap.bitsPixel, {});
    for (int y = 0; y < surface.height(); ++y)
        DecodeDibRow(bits + static_cast<std::size_t>(y) * stride, surface.width(), bitmap.bitsPixel,
                     table.data(), table.size(), surface.row(y));
}

std::vector<PALETTEENTRY> PaletteOf(HDC hdc) {
    const auto dc = LiveDC(hdc);
    const auto palette = dc ? LiveGdiObjectOf<PaletteRecord>(dc->state.palette) : nullptr;
    return palette ? palette->entries : std::vector<PALETTEENTRY>{};
}

// The surface row a DIB scan line lands on (scan line 0 is the bottom row unless the
// block is top-down).
int SurfaceRow(const BITMAPINFOHEADER& header, int height, int scanLine) {
    return header.biHeight < 0 ? scanLine : height - 1 - scanLine;
}

} // namespace

BitmapRecord::BitmapRecord(int width, int height, int bitsPixel_)
    : bitsPixel(bitsPixel_), surface(std::make_unique<PixelSurface>(width, height)) {}

BitmapRecord::BitmapRecord(const BITMAPINFOHEADER& header, std::unique_ptr<Pixel[]> bits)
    : bitsPixel(header.biBitCount), dibBits(std::move(bits)), dibHeader(header) {
    const int width = header.biWidth;
    const int height = std::abs(header.biHeight);
    Pixel* first = header.biHeight < 0
                       ? dibBits.get()
                       : dibBits.get() + static_cast<std::size_t>(height - 1) * width;
    surface =
        std::make_unique<PixelSurface>(first, width, height, header.biHeight < 0 ? width : -width);
}

int BitmapRecord::widthBytes() const {
    const int width = surface->width();
    if (dibHeader)
        return static_cast<int>(DibStride(width, bitsPixel));
    return (width * bitsPixel + 15) / 16 * 2;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width == 0 || height == 0)
        width = height = 1, bitsPerPixel = 1;
    if (planes != 1 || !BitmapSizeAllowed(width, height) || !IsSupportedDibBitCount(bitsPerPixel))
        return nullptr;
    auto record = std::make_unique<BitmapRecord>(width, height, static_cast<int>(bitsPerPixel));
    if (bits)
        FillFromDdbBits(*record, static_cast<const BYTE*>(bits));
    return static_cast<HBITMAP>(RegisterGdiObject(std::move(record)));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const auto dc = LiveDC(hdc);
    if (!dc)
        return nullptr;
    if (width == 0 || height == 0)
        return CreateBitmap(1, 1, 1, 1, nullptr);
    int bitsPixel = GetDisplayBitsPerPixel();
    if (dc->type == OBJ_MEMDC)
        if (const auto selected = LiveGdiObjectOf<BitmapRecord>(dc->state.bitmap))
            bitsPixel = selected->bitsPixel;
    return CreateBitmap(width, height, 1, static_cast<UINT>(bitsPixel), nullptr);
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT /*usage*/, void** bits,
                         HANDLE section, DWORD /*offset*/) {
    if (bits)
        *bits = nullptr;
    if ((hdc && !LiveDC(hdc)) || !info || section || !IsValidDibHeader(info->bmiHeader) ||
        info->bmiHeader.biBitCount != 32)
        return nullptr;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::size_t count = static_cast<std::size_t>(header.biWidth) *
                              static_cast<std::size_t>(std::llabs(header.biHeight));
    auto pixels = std::make_unique<Pixel[]>(count);
    Pixel* start = pixels.get();
    auto record = std::make_unique<BitmapRecord>(header, std::move(pixels));
    if (bits)
        *bits = start;
    return static_cast<HBITMAP>(RegisterGdiObject(std::move(record)));
}

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage) {
    auto record = LiveGdiObjectOf<BitmapRecord>(bitmap);
    if (!LiveDC(hdc) || !record || !info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER))
        return 0;
    BITMAPINFOHEADER& header = info->bmiHeader;
    const PixelSurface& surface = *record->surface;
    if (header.biBitCount == 0) {
        // Describe the bitmap only.
        header.biWidth = surface.width();
        header.biHeight = surface.height();
        header.biPlanes = 1;
        header.biBitCount = static_cast<WORD>(record->bitsPixel);
        header.biCompression = BI_RGB;
        header.biSizeImage =
            static_cast<DWORD>(DibStride(surface.width(), record->bitsPixel) * surface.height());
        header.biXPelsPerMeter = header.biYPelsPerMeter = 0;
        header.biClrUsed = header.biClrImportant = 0;
        return 1;
    }
    if (header.biCompression != BI_RGB || !IsSupportedDibBitCount(header.biBitCount) ||
        header.biWidth != surface.width() || std::llabs(header.biHeight) != surface.height())
        return 0;
    const std::size_t stride = DibStride(surface.width(), header.biBitCount);
    header.biSizeImage = static_cast<DWORD>(stride * surface.height());
    const auto palette = record->bitsPixel == 1 && header.biBitCount == 1
                             ? std::vector<PALETTEENTRY>{}
                             : PaletteOf(hdc);
    std::vector<RGBQUAD> table = DibColorTable(header.biBitCount, palette);
    if (usage == DIB_PAL_COLORS) {
        auto* indices = reinterpret_cast<WORD*>(info->bmiColors);
        for (std::size_t i = 0; i < table.size(); ++i)
            indices[i] = static_cast<WORD>(i);
    } else {
        std::copy(table.begin(), table.end(), info->bmiColors);
    }
    if (!bits)
        return static_cast<int>(surface.height());
    const UINT height = static_cast<UINT>(surface.height());
    if (start >= height)
        return 0;
    const UINT count = std::min(lines, height - start);
    DibRowEncoder encoder(header.biBitCount, std::move(table));
    auto* out = static_cast<BYTE*>(bits);
    for (UINT line = 0; line < count; ++line)
        encoder.encode(
            surface.row(SurfaceRow(header, surface.height(), static_cast<int>(start + line))),
            surface.width(), out + line * stride);
    return static_cast<int>(count);
}

int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage) {
    auto record = LiveGdiObjectOf<BitmapRecord>(bitmap);
    if ((hdc && !LiveDC(hdc)) || !record || !bits || !info || !IsValidDibHeader(info->bmiHeader) ||
        usage != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    PixelSurface& surface = *record->surface;
    const int height = static_cast<int>(std::llabs(header.biHeight));
    const int width = std::min<int>(header.biWidth, surface.width());
    const std::size_t stride = DibStride(header.biWidth, header.biBitCount);
    const auto* in = static_cast<const BYTE*>(bits);
    std::vector<Pixel> row(static_cast<std::size_t>(header.biWidth));
    int copied = 0;
    for (UINT line = 0; line < lines && start + line < static_cast<UINT>(height); ++line) {
        DecodeDibRow(in + line * stride, header.biWidth, header.biBitCount, info->bmiColors,
                     DibColorTableSize(header), row.data());
        const int y = SurfaceRow(header, height, static_cast<int>(start + line));
        if (y >= 0 && y < surface.height())
            std::copy_n(row.data(), width, surface.row(y));
        ++copied;
    }
    return copied;
}

BOOL GdiFlush() {
    return TRUE;
}
