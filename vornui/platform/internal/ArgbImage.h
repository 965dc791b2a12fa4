#pragma once

// A picture with its own transparency: 0xAARRGGBB pixels, straight (not premultiplied)
// alpha. Icons and image lists keep their pictures this way and lay them on a device
// context's surface with the alpha as weight.

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/internal/PixelSurface.h"

#include <cstdint>
#include <vector>

using ArgbPixel = std::uint32_t;

constexpr ArgbPixel OpaqueArgb(Pixel pixel) {
    return 0xFF000000u | (pixel & 0xFFFFFF);
}
constexpr BYTE AlphaOf(ArgbPixel pixel) {
    return static_cast<BYTE>(pixel >> 24);
}

struct ArgbImage {
    ArgbImage() = default;
    ArgbImage(int width_, int height_)
        : width(width_), height(height_), pixels(static_cast<std::size_t>(width_) * height_, 0) {}

    int width = 0;
    int height = 0;
    std::vector<ArgbPixel> pixels; // top row first

    bool empty() const { return width <= 0 || height <= 0; }
    ArgbPixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    ArgbPixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Whether any pixel has some opacity: 32-bit pictures without any carry no alpha.
    bool hasAlpha() const;
};

// Nearest-pixel scaling; empty for an empty picture or size.
ArgbImage ScaleArgbImage(const ArgbImage& image, int width, int height);

// How a picture is laid on the destination.
struct ArgbDrawing {
    RECT source;              // the part of the picture, stretched to the target (nearest)
    BYTE constantAlpha = 255; // scales every pixel's own alpha
    // When set, each pixel's colour is first blended towards this colour by `tintAlpha`
    // (selection and focus looks).
    bool tinted = false;
    Pixel tint = 0;
    BYTE tintAlpha = 0;
};

// Blends `image` into `target` (logical coordinates of `hdc`) within the DC's clip;
// FALSE for a dead DC.
BOOL DrawArgbImage(HDC hdc, const RECT& target, const ArgbImage& image, const ArgbDrawing& how);
