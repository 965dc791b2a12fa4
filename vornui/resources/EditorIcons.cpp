// The arrows on the include/exclude dialog's move buttons, drawn here as pictures of '#'
// and made into icon resources (a 16 and a 32 pixel image each) when the library loads.

#include "vornui/resources/EditorDialogIds.h"
#include "vornui/resources/LibraryResources.h"

#include <array>
#include <cstdint>

namespace {

constexpr int kArtSide = 16;
using Art = std::array<const char*, kArtSide>;

// Points right; the other arrow is its mirror image.
constexpr Art kArrow{
    "................", "................", "........#.......", "........##......",
    "........###.....", "........####....", "..###########...", "..############..",
    "..############..", "..###########...", "........####....", "........###.....",
    "........##......", "........#.......", "................", "................",
};

constexpr std::uint32_t kArrowColour = 0xFF000080; // opaque navy, as A R G B

constexpr size_t kHeaderSize = 40;
constexpr size_t kMaskStride = 4; // one 32-bit row is enough for either side

constexpr size_t ImageSize(int side) {
    return kHeaderSize + static_cast<size_t>(side * side) * 4 + side * kMaskStride;
}

template <size_t Size>
constexpr void PutLittle(std::array<BYTE, Size>& bytes, size_t at, std::uint32_t value, int count) {
    for (int each = 0; each < count; ++each)
        bytes[at + each] = static_cast<BYTE>(value >> (8 * each));
}

constexpr bool IsInk(const Art& art, int x, int y, bool mirrored) {
    return art[y][mirrored ? kArtSide - 1 - x : x] == '#';
}

// An RT_ICON image: a 32-bit DIB twice as high as the icon (colour rows, then the mask
// rows), both bottom-up.
template <int Side>
constexpr std::array<BYTE, ImageSize(Side)> IconImage(const Art& art, bool mirrored) {
    std::array<BYTE, ImageSize(Side)> bytes{};
    PutLittle(bytes, 0, kHeaderSize, 4);
    PutLittle(bytes, 4, Side, 4);
    PutLittle(bytes, 8, 2 * Side, 4);
    PutLittle(bytes, 12, 1, 2);
    PutLittle(bytes, 14, 32, 2);
    constexpr int kScale = Side / kArtSide;
    const size_t maskStart = kHeaderSize + static_cast<size_t>(Side * Side) * 4;
    for (int row = 0; row < Side; ++row) {
        const int y = (Side - 1 - row) / kScale;
        for (int column = 0; column < Side; ++column) {
            const bool ink = IsInk(art, column / kScale, y, mirrored);
            PutLittle(bytes, kHeaderSize + static_cast<size_t>(row * Side + column) * 4,
                      ink ? kArrowColour : 0, 4);
            if (!ink)
                bytes[maskStart + row * kMaskStride + column / 8] |=
                    static_cast<BYTE>(0x80 >> (column % 8));
        }
    }
    return bytes;
}

constexpr size_t kGroupSize = 6 + 2 * 14;

// An RT_GROUP_ICON: the directory of the two images, RT_ICON ids `small` and `large`.
constexpr std::array<BYTE, kGroupSize> IconGroup(WORD small, WORD large) {
    std::array<BYTE, kGroupSize> bytes{};
    PutLittle(bytes, 2, 1, 2);
    PutLittle(bytes, 4, 2, 2);
    const std::array<std::pair<int, WORD>, 2> entries{{{16, small}, {32, large}}};
    for (size_t each = 0; each < entries.size(); ++each) {
        const size_t at = 6 + each * 14;
        const int side = entries[each].first;
        bytes[at] = static_cast<BYTE>(side);
        bytes[at + 1] = static_cast<BYTE>(side);
        PutLittle(bytes, at + 4, 1, 2);
        PutLittle(bytes, at + 6, 32, 2);
        PutLittle(bytes, at + 8, static_cast<std::uint32_t>(ImageSize(side)), 4);
        PutLittle(bytes, at + 12, entries[each].second, 2);
    }
    return bytes;
}

// The images' own RT_ICON ids, beside their groups' ids.
constexpr WORD kIncludedSmall = IDI_MOVE_TO_INCLUDED;
constexpr WORD kIncludedLarge = IDI_MOVE_TO_INCLUDED + 1000;
constexpr WORD kExcludedSmall = IDI_MOVE_TO_EXCLUDED;
constexpr WORD kExcludedLarge = IDI_MOVE_TO_EXCLUDED + 1000;

constexpr auto kIncludedImage16 = IconImage<16>(kArrow, false);
constexpr auto kIncludedImage32 = IconImage<32>(kArrow, false);
constexpr auto kExcludedImage16 = IconImage<16>(kArrow, true);
constexpr auto kExcludedImage32 = IconImage<32>(kArrow, true);
constexpr auto kIncludedGroup = IconGroup(kIncludedSmall, kIncludedLarge);
constexpr auto kExcludedGroup = IconGroup(kExcludedSmall, kExcludedLarge);

template <size_t Size>
void Add(HMODULE library, LPCTSTR type, WORD id, const std::array<BYTE, Size>& bytes) {
    AddResource(library, type, MAKEINTRESOURCE(id), bytes.data(), static_cast<DWORD>(Size));
}

} // namespace

void RegisterEditorIcons(HMODULE library) {
    Add(library, RT_ICON, kIncludedSmall, kIncludedImage16);
    Add(library, RT_ICON, kIncludedLarge, kIncludedImage32);
    Add(library, RT_ICON, kExcludedSmall, kExcludedImage16);
    Add(library, RT_ICON, kExcludedLarge, kExcludedImage32);
    Add(library, RT_GROUP_ICON, IDI_MOVE_TO_INCLUDED, kIncludedGroup);
    Add(library, RT_GROUP_ICON, IDI_MOVE_TO_EXCLUDED, kExcludedGroup);
}
