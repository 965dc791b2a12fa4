#pragma once

// A rectangle of 32-bit pixels, the memory every device context paints into. A pixel
// is 0x00RRGGBB, so a row in memory reads blue, green, red, unused: the byte order of a
// 32-bit device-independent bitmap, which lets a DIB section share its bits with one.

#include "vornui/platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF color) {
    return (static_cast<Pixel>(GetRValue(color)) << 16) |
           (static_cast<Pixel>(GetGValue(color)) << 8) | GetBValue(color);
}
constexpr COLORREF ColorFromPixel(Pixel pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

class PixelSurface {
public:
    // A surface owning its pixels, all black.
    PixelSurface(int width, int height);
    // A surface over memory that someone else owns; `rowStride` (in pixels) is negative
    // for rows stored bottom-up.
    PixelSurface(Pixel* firstRow, int width, int height, std::ptrdiff_t rowStride);
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Pixel* row(int y) { return m_firstRow + y * m_rowStride; }
    const Pixel* row(int y) const { return m_firstRow + y * m_rowStride; }
    Pixel pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, Pixel value) { row(y)[x] = value; }
    void fill(Pixel value);
    // Copies what of `from` fits, corner to top-left corner.
    void copyFrom(const PixelSurface& from);

    // A window's surface is shared by every thread that draws into the window (an
    // animation thread beside the window's own); one drawing at a time holds this.
    // Recursive, so that a drawing may draw again on its own surface.
    std::unique_lock<std::recursive_mutex> holdForDrawing() const {
        return std::unique_lock(m_drawing);
    }

private:
    int m_width;
    int m_height;
    std::vector<Pixel> m_owned;
    Pixel* m_firstRow;
    std::ptrdiff_t m_rowStride;
    mutable std::recursive_mutex m_drawing;
};
