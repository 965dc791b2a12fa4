#include "vornui/platform/internal/SystemIcons.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Shapes in the unit square, y down.
using Shape = std::function<bool(double x, double y)>;

Shape Disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
}

double DistanceToSegment(double x, double y, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

// A stroke with round ends.
Shape Stroke(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) { return DistanceToSegment(x, y, x0, y0, x1, y1) <= halfWidth; };
}

// A stroke along a circle from angle `from` to `to` (degrees, counter-clockwise on screen).
Shape Arc(double cx, double cy, double r, double halfWidth, double from, double to) {
    return [=](double x, double y) {
        if (std::abs(std::hypot(x - cx, y - cy) - r) > halfWidth)
            return false;
        double angle = std::atan2(cy - y, x - cx) * 180.0 / 3.14159265358979;
        while (angle < from)
            angle += 360.0;
        return angle <= to;
    };
}

Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double x, double y) {
        const auto side = [&](double x0, double y0, double x1, double y1) {
            return (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
        };
        const double d0 = side(ax, ay, bx, by);
        const double d1 = side(bx, by, cx, cy);
        const double d2 = side(cx, cy, ax, ay);
        return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
    };
}

struct Layer {
    Shape shape;
    Pixel color;
};

// Later layers lie on top; each pixel averages 4 x 4 samples, which gives soft edges.
ArgbImage Render(const std::vector<Layer>& layers, int size) {
    constexpr int kSamples = 4;
    ArgbImage image(size, size);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            int covered = 0;
            int sums[3] = {};
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    const auto top = std::find_if(layers.rbegin(), layers.rend(),
                                                  [&](const Layer& l) { return l.shape(x, y); });
                    if (top == layers.rend())
                        continue;
                    ++covered;
                    for (int c = 0; c < 3; ++c)
                        sums[c] += static_cast<int>((top->color >> (16 - 8 * c)) & 0xFF);
                }
            if (covered == 0)
                continue;
            const auto channel = [&](int c) {
                return static_cast<ArgbPixel>((sums[c] + covered / 2) / covered);
            };
            const auto alpha = static_cast<ArgbPixel>(covered * 255 / (kSamples * kSamples));
            image.at(px, py) = (alpha << 24) | (channel(0) << 16) | (channel(1) << 8) | channel(2);
        }
    return image;
}

constexpr Pixel kWhite = 0xFFFFFF;

std::vector<Layer> RoundBadge(Pixel rim, Pixel fill) {
    return {{Disc(0.5, 0.5, 0.47), rim}, {Disc(0.5, 0.5, 0.41), fill}};
}

std::vector<Layer> ErrorLayers() {
    auto layers = RoundBadge(0x9E1B1B, 0xD93030);
    layers.push_back({Stroke(0.34, 0.34, 0.66, 0.66, 0.065), kWhite});
    layers.push_back({Stroke(0.66, 0.34, 0.34, 0.66, 0.065), kWhite});
    return layers;
}

std::vector<Layer> QuestionLayers() {
    auto layers = RoundBadge(0x1F4E9A, 0x3478D0);
    layers.push_back({Arc(0.5, 0.37, 0.14, 0.06, -60, 180), kWhite});
    layers.push_back({Stroke(0.57, 0.49, 0.5, 0.59, 0.06), kWhite});
    layers.push_back({Disc(0.5, 0.75, 0.065), kWhite});
    return layers;
}

std::vector<Layer> WarningLayers() {
    return {{Triangle(0.5, 0.04, 0.02, 0.94, 0.98, 0.94), 0x9A6B00},
            {Triangle(0.5, 0.13, 0.09, 0.89, 0.91, 0.89), 0xF5C518},
            {Stroke(0.5, 0.37, 0.5, 0.64, 0.055), 0x202020},
            {Disc(0.5, 0.78, 0.06), 0x202020}};
}

std::vector<Layer> InformationLayers() {
    auto layers = RoundBadge(0x1F4E9A, 0x3478D0);
    layers.push_back({Disc(0.5, 0.28, 0.07), kWhite});
    layers.push_back({Stroke(0.5, 0.44, 0.5, 0.74, 0.065), kWhite});
    return layers;
}

std::vector<Layer> ApplicationLayers() {
    return {{Box(0.06, 0.14, 0.94, 0.86), 0x404850},
            {Box(0.1, 0.18, 0.9, 0.3), 0x2F6DB5},
            {Box(0.1, 0.33, 0.9, 0.82), kWhite},
            {Box(0.76, 0.2, 0.86, 0.28), 0xE0E6EE}};
}

std::vector<Layer> ShieldLayers() {
    const auto outline = [](double inset) {
        const Shape top = Box(0.16 + inset, 0.08 + inset, 0.84 - inset, 0.5);
        const Shape point = Triangle(0.16 + inset, 0.5, 0.84 - inset, 0.5, 0.5, 0.95 - inset);
        return [=](double x, double y) { return top(x, y) || point(x, y); };
    };
    const Shape inner = outline(0.05);
    const Shape left = [=](double x, double y) { return x < 0.5 && inner(x, y); };
    return {{outline(0), 0x303840}, {inner, 0xF2C230}, {left, 0x2F6DB5}};
}

// A sheet with its top right corner folded over.
std::vector<Layer> DocumentLayers() {
    // The fold runs along x - y = 0.56, from (0.62, 0.06) to (0.82, 0.26).
    const auto sheet = [](double inset) {
        const Shape body = Box(0.18 + inset, 0.06 + inset, 0.82 - inset, 0.94 - inset);
        const double fold = 0.56 - inset * 1.41;
        return [=](double x, double y) { return body(x, y) && x - y < fold; };
    };
    const Pixel line = 0x9AA4AE;
    return {{sheet(0), 0x59626C},
            {sheet(0.04), kWhite},
            {Triangle(0.62, 0.06, 0.62, 0.26, 0.82, 0.26), 0x59626C},
            {Triangle(0.65, 0.15, 0.65, 0.23, 0.73, 0.23), 0xC9D1DA},
            {Box(0.3, 0.42, 0.7, 0.46), line},
            {Box(0.3, 0.56, 0.7, 0.6), line},
            {Box(0.3, 0.7, 0.6, 0.74), line}};
}

// A manila folder: the tab, the back and the front flap.
std::vector<Layer> FolderLayers() {
    return {{Box(0.06, 0.16, 0.44, 0.3), 0xB8860B},
            {Box(0.06, 0.24, 0.94, 0.86), 0xB8860B},
            {Box(0.1, 0.28, 0.9, 0.82), 0xE8B84A},
            {Box(0.06, 0.38, 0.94, 0.86), 0xC99520},
            {Box(0.1, 0.42, 0.9, 0.82), 0xF5CD62}};
}

// The numbers behind IDI_APPLICATION ... IDI_SHIELD.
enum SystemIconId : WORD {
    kApplication = 32512,
    kHand,
    kQuestion,
    kExclamation,
    kAsterisk,
    kWinLogo,
    kShield,
};

} // namespace

ArgbImage SystemIconImage(WORD id, int size) {
    if (size <= 0 || size > 256)
        return {};
    switch (id) {
    case kHand:
        return Render(ErrorLayers(), size);
    case kQuestion:
        return Render(QuestionLayers(), size);
    case kExclamation:
        return Render(WarningLayers(), size);
    case kAsterisk:
        return Render(InformationLayers(), size);
    case kApplication:
    case kWinLogo:
        return Render(ApplicationLayers(), size);
    case kShield:
        return Render(ShieldLayers(), size);
    default:
        return {};
    }
}

ArgbImage ShellIconImage(ShellIcon kind, int size) {
    if (size <= 0 || size > 256)
        return {};
    switch (kind) {
    case ShellIcon::Document:
        return Render(DocumentLayers(), size);
    case ShellIcon::Folder:
        return Render(FolderLayers(), size);
    case ShellIcon::Count:
        break;
    }
    return {};
}
