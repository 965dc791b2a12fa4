// The list controls' bitmaps, as packed device-independent bitmaps (header, colour table,
// rows from the bottom up), drawn here pixel by pixel.

#include "vornui/platform/GdiTypes.h"
#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/ListResourceIds.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
constexpr int kBoxSize = 16;

void PutLittle(Bytes& bytes, size_t at, unsigned value, int size) {
    for (int each = 0; each < size; ++each)
        bytes[at + static_cast<size_t>(each)] = static_cast<unsigned char>(value >> (8 * each));
}

Bytes Header(int width, int height, int bitCount, int colors) {
    Bytes bytes(sizeof(BITMAPINFOHEADER) + 4 * static_cast<size_t>(colors));
    PutLittle(bytes, 0, sizeof(BITMAPINFOHEADER), 4);
    PutLittle(bytes, 4, static_cast<unsigned>(width), 4);
    PutLittle(bytes, 8, static_cast<unsigned>(height), 4);
    PutLittle(bytes, 12, 1, 2);
    PutLittle(bytes, 14, static_cast<unsigned>(bitCount), 2);
    PutLittle(bytes, 32, static_cast<unsigned>(colors), 4);
    return bytes;
}

// A 24-bit arrow in black on white: its rows widen from the point (top for up).
Bytes Arrow(bool up) {
    Bytes bytes = Header(kArrowWidth, kArrowHeight, 24, 0);
    const size_t stride = (kArrowWidth * 3 + 3) / 4 * 4;
    for (int row = 0; row < kArrowHeight; ++row) { // bottom-up
        const int fromPoint = up ? kArrowHeight - 1 - row : row;
        Bytes line(stride, 0);
        for (int x = 0; x < kArrowWidth; ++x) {
            const bool inside = x >= 4 - fromPoint && x <= 4 + fromPoint;
            std::memset(&line[static_cast<size_t>(x) * 3], inside ? 0 : 255, 3);
        }
        bytes.insert(bytes.end(), line.begin(), line.end());
    }
    return bytes;
}

// The sixteen colours of the classic palette, as (blue, green, red, 0).
constexpr unsigned char kPalette[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0}};
constexpr int kBlack = 0;
constexpr int kDarkGrey = 8;
constexpr int kRed = 9;      // the transparent colour around the tree list's boxes
constexpr int kMagenta = 13; // the transparent colour around the check boxes
constexpr int kWhite = 15;

// Palette index of pixel (x, y), counted from the top, of check box `box` (1: ticked).
int CheckBoxPixel(int box, int x, int y) {
    if (x < 1 || x > 13 || y < 1 || y > 13)
        return kMagenta;
    if (x == 1 || x == 13 || y == 1 || y == 13)
        return kDarkGrey;
    if (box == 1) {
        // A tick three pixels thick: down from (4, 6) to (6, 8), then up to (11, 3).
        const int top = x <= 6 ? 2 + x : 14 - x;
        if (x >= 4 && x <= 11 && y >= top && y < top + 3)
            return kBlack;
    }
    return kWhite;
}

// Palette index of pixel (x, y) of the tree list's box `box`: 0 a plus, 1 a minus, each a
// 9 x 9 square centred on (7, 7).
int TreeBoxPixel(int box, int x, int y) {
    if (x < 3 || x > 11 || y < 3 || y > 11)
        return kRed;
    if (x == 3 || x == 11 || y == 3 || y == 11)
        return kDarkGrey;
    const bool across = y == 7 && x >= 5 && x <= 9;
    const bool down = box == 0 && x == 7 && y >= 5 && y <= 9;
    return across || down ? kBlack : kWhite;
}

// Two 16 x 16 boxes side by side, 16 colours, drawn by `pixel`.
Bytes Boxes(int (*pixel)(int box, int x, int y)) {
    const int width = 2 * kBoxSize;
    Bytes bytes = Header(width, kBoxSize, 4, 16);
    std::memcpy(&bytes[sizeof(BITMAPINFOHEADER)], kPalette, sizeof kPalette);
    const size_t stride = (static_cast<size_t>(width) * 4 / 8 + 3) / 4 * 4;
    for (int row = kBoxSize - 1; row >= 0; --row) {
        Bytes line(stride, 0);
        for (int x = 0; x < width; ++x) {
            const int index = pixel(x / kBoxSize, x % kBoxSize, row);
            line[static_cast<size_t>(x) / 2] |=
                static_cast<unsigned char>(x % 2 ? index : index << 4);
        }
        bytes.insert(bytes.end(), line.begin(), line.end());
    }
    return bytes;
}

void Register(HMODULE library, UINT id, const Bytes& bytes) {
    AddResource(library, RT_BITMAP, MAKEINTRESOURCE(id), bytes.data(),
                static_cast<DWORD>(bytes.size()));
}

} // namespace

void RegisterLibraryListBitmaps(HMODULE library) {
    static const Bytes down = Arrow(false);
    static const Bytes up = Arrow(true);
    static const Bytes boxes = Boxes(CheckBoxPixel);
    static const Bytes plusMinus = Boxes(TreeBoxPixel);
    Register(library, IDB_SORT_DOWN, down);
    Register(library, IDB_SORT_UP, up);
    Register(library, IDB_CHECK_BOXES, boxes);
    Register(library, IDB_TREE_LIST_BOXES, plusMinus);
}
