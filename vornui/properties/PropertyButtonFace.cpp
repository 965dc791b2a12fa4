#include "vornui/properties/PropertyButtonFace.h"

#include <vector>

namespace {

constexpr int kStateWidth = 20;
constexpr int kHeight = 19;
constexpr int kStates = 3;

struct StateColours {
    DWORD face;
    DWORD light; // top and left edge
    DWORD dark;  // bottom and right edge
};

// Raised and grey; raised and brighter, with a blue tint; sunk.
constexpr StateColours kColours[kStates] = {
    {0xE1E1E1, 0xFFFFFF, 0x808080}, {0xE5F1FB, 0xFFFFFF, 0x3C7FB1}, {0xCCE4F7, 0x808080, 0xFFFFFF}};

DWORD PixelOf(const StateColours& colours, int x, int y) {
    if (x == kStateWidth - 1 || y == kHeight - 1)
        return colours.dark;
    if (x == 0 || y == 0)
        return colours.light;
    return colours.face;
}

std::vector<DWORD> MakeStrip() {
    std::vector<DWORD> block{static_cast<DWORD>(kStates * kStateWidth),
                             static_cast<DWORD>(-kHeight)};
    block.reserve(2 + kStates * kStateWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kStates * kStateWidth; ++x)
            block.push_back(PixelOf(kColours[x / kStateWidth], x % kStateWidth, y));
    return block;
}

} // namespace

const DWORD* PropertyButtonImage() {
    static const std::vector<DWORD> strip = MakeStrip();
    return strip.data();
}

void DrawPropertyButtonFace(CDC* dc, const CRect& rect) {
    const DWORD* strip = PropertyButtonImage();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER),
                      static_cast<LONG>(strip[0]),
                      static_cast<LONG>(strip[1]),
                      1,
                      32,
                      BI_RGB,
                      0,
                      0,
                      0,
                      0,
                      0};
    StretchDIBits(dc->GetSafeHdc(), rect.left, rect.top, rect.Width(), rect.Height(), 0, 0,
                  kStateWidth, kHeight, strip + 2, &info, DIB_RGB_COLORS, SRCCOPY);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    CRect text = rect;
    dc->DrawText("...", 3, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->SetBkMode(oldMode);
}
