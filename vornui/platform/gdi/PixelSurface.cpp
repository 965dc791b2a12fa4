#include "vornui/platform/internal/PixelSurface.h"

#include <algorithm>

PixelSurface::PixelSurface(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_owned(static_cast<std::size_t>(m_width) * m_height), m_firstRow(m_owned.data()),
      m_rowStride(m_width) {}

PixelSurface::PixelSurface(Pixel* firstRow, int width, int height, std::ptrdiff_t rowStride)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_firstRow(firstRow),
      m_rowStride(rowStride) {}

void PixelSurface::fill(Pixel value) {
    for (int y = 0; y < m_height; ++y)
        std::fill_n(row(y), m_width, value);
}

void PixelSurface::copyFrom(const PixelSurface& from) {
    const auto hold = from.holdForDrawing(); // a window's old surface may still be drawn on
    const int width = std::min(from.width(), m_width);
    for (int y = 0; y < std::min(from.height(), m_height); ++y)
        std::copy_n(from.row(y), width, row(y));
}
