#include "vornui/platform/internal/ArgbImage.h"

#include "vornui/platform/internal/Raster.h"

#include <algorithm>

namespace {

int Mix(int from, int to, int weight) {
    return from + ((to - from) * weight + 127) / 255;
}

Pixel MixPixels(Pixel from, Pixel to, int weight) {
    auto channel = [&](int shift) {
        return static_cast<Pixel>(Mix((from >> shift) & 0xFF, (to >> shift) & 0xFF, weight))
               << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

int SourceIndex(int i, int count, int sourceCount) {
    return static_cast<int>(static_cast<long long>(i) * sourceCount / count);
}

} // namespace

bool ArgbImage::hasAlpha() const {
    return std::any_of(pixels.begin(), pixels.end(),
                       [](ArgbPixel pixel) { return AlphaOf(pixel) != 0; });
}

BOOL DrawArgbImage(HDC hdc, const RECT& target, const ArgbImage& image, const ArgbDrawing& how) {
    const std::shared_ptr<DeviceContext> dc = LiveDC(hdc);
    if (!dc)
        return FALSE;
    Painter painter(*dc);
    CRect from;
    from.IntersectRect(&how.source, CRect(0, 0, image.width, image.height));
    if (!painter || from.IsRectEmpty())
        return TRUE;
    const CRect dest = painter.toSurface(target);
    if (dest.IsRectEmpty())
        return TRUE;
    for (int y = std::max(dest.top, 0); y < std::min(dest.bottom, painter.surface().height());
         ++y) {
        const int sy = from.top + SourceIndex(y - dest.top, dest.Height(), from.Height());
        Pixel* row = painter.surface().row(y);
        painter.clip().forEachSpan(y, dest.left, dest.right, [&](int left, int right) {
            for (int x = left; x < right; ++x) {
                const int sx = from.left + SourceIndex(x - dest.left, dest.Width(), from.Width());
                const ArgbPixel source = image.at(sx, sy);
                const int alpha = AlphaOf(source) * how.constantAlpha / 255;
                if (alpha == 0)
                    continue;
                Pixel color = source & 0xFFFFFF;
                if (how.tinted)
                    color = MixPixels(color, how.tint, how.tintAlpha);
                row[x] = painter.stored(alpha == 255 ? color : MixPixels(row[x], color, alpha));
            }
        });
    }
    return TRUE;
}

ArgbImage ScaleArgbImage(const ArgbImage& image, int width, int height) {
    if (image.empty() || width <= 0 || height <= 0)
        return {};
    if (width == image.width && height == image.height)
        return image;
    ArgbImage scaled(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            scaled.at(x, y) =
                image.at(static_cast<int>(static_cast<long long>(x) * image.width / width),
                         static_cast<int>(static_cast<long long>(y) * image.height / height));
    return scaled;
}
