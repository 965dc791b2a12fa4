#include "vornui/platform/Cursors.h"

#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/internal/CursorShapes.h"

#include <array>
#include <atomic>
#include <string_view>

struct CursorRecord {
    LPCTSTR id;
    CursorShape shape;
};

namespace {

// The cursors are drawn on a grid of 16 by 16 cells, each shown as 2 by 2 pixels: '#' is
// black, '.' white, ' ' clear.
constexpr int kCells = 16;
constexpr int kScale = 2;
using Picture = std::array<std::string_view, kCells>;

constexpr Picture kArrow = {
    "#               ", "##              ", "#.#             ", "#..#            ",
    "#...#           ", "#....#          ", "#.....#         ", "#......#        ",
    "#.......#       ", "#....#####      ", "#..#..#         ", "#.# #..#        ",
    "##   #..#       ", "#    #..#       ", "      #..#      ", "       ##       "};
constexpr Picture kIBeam = {
    "   ### ###      ", "      #         ", "      #         ", "      #         ",
    "      #         ", "      #         ", "      #         ", "      #         ",
    "      #         ", "      #         ", "      #         ", "      #         ",
    "      #         ", "      #         ", "   ### ###      ", "                "};
constexpr Picture kWait = {
    "###############", "#.............#",  " #...........# ", "  #.........#  ",
    "   #..###..#   ", "    #.###.#    ",  "     #.#.#     ", "      #.#      ",
    "     #...#     ", "    #..#..#    ",  "   #...#...#   ", "  #...###...#  ",
    " #..#######..# ", "#.############.#", "###############", "               "};
constexpr Picture kSizeWE = {
    "                ", "                ", "                ", "                ",
    "   #       #    ", "  ##       ##   ", " #.#########.#  ", "#.............# ",
    " #.#########.#  ", "  ##       ##   ", "   #       #    ", "                ",
    "                ", "                ", "                ", "                "};
constexpr Picture kSizeNWSE = {
    "#######         ", "#.....#         ", "#....#          ", "#.....#         ",
    "#..#...#        ", "#.# #...#       ", "##   #...#      ", "      #...#     ",
    "       #...#   #", "        #...# ##", "         #...#.#", "          #.....#",
    "           #...#", "          #....#", "         #.....#", "         #######"};
constexpr Picture kHand = {
    "    ##          ", "   #..#         ", "   #..#         ", "   #..#         ",
    "   #..####      ", "   #..#..####   ", "## #..#..#..##  ", "#.##.........#  ",
    "#..#.........#  ", " #...........#  ", "  #..........#  ", "  #.........#   ",
    "   #........#   ", "   #.......#    ", "    #......#    ", "    ########    "};
constexpr Picture kNo = {
    "     ######     ", "   ##......##   ", "  #..######..#  ", " #.##......#.#  ",
    " #.###.....##.# ", "#.#.###.....#.# ", "#.#..###....#.# ", "#.#...###...#.# ",
    "#.#....###..#.# ", "#.#.....###.#.# ", " #.#.....###.#  ", " #.##.....##.#  ",
    "  #..######..#  ", "   ##......##   ", "     ######     ", "                "};

std::uint32_t PixelOf(char cell) {
    switch (cell) {
    case '#':
        return 0xFF000000;
    case '.':
        return 0xFFFFFFFF;
    default:
        return 0;
    }
}

// Rows shorter than the grid are clear at their end.
char CellOf(const Picture& picture, int row, int column) {
    const std::string_view line = picture[static_cast<size_t>(row)];
    return column < static_cast<int>(line.size()) ? line[static_cast<size_t>(column)] : ' ';
}

enum class Turn { None, Transpose, Mirror };

CursorShape Draw(const Picture& picture, POINT hotspot, Turn turn = Turn::None) {
    CursorShape shape{kCells * kScale, kCells * kScale,
                      POINT{hotspot.x * kScale, hotspot.y * kScale},
                      std::vector<std::uint32_t>(kCells * kCells * kScale * kScale)};
    for (int row = 0; row < kCells; ++row)
        for (int column = 0; column < kCells; ++column) {
            const char cell = turn == Turn::Transpose ? CellOf(picture, column, row)
                              : turn == Turn::Mirror  ? CellOf(picture, row, kCells - 1 - column)
                                                      : CellOf(picture, row, column);
            for (int dy = 0; dy < kScale; ++dy)
                for (int dx = 0; dx < kScale; ++dx)
                    shape.pixels[static_cast<size_t>((row * kScale + dy) * shape.width +
                                                     column * kScale + dx)] = PixelOf(cell);
        }
    return shape;
}

// Both double arrows over each other.
CursorShape DrawSizeAll() {
    CursorShape shape = Draw(kSizeWE, POINT{7, 7});
    const CursorShape across = Draw(kSizeWE, POINT{7, 7}, Turn::Transpose);
    for (size_t index = 0; index < shape.pixels.size(); ++index)
        if (across.pixels[index])
            shape.pixels[index] = across.pixels[index];
    return shape;
}

std::array<CursorRecord, 10>& SystemCursors() {
    static std::array<CursorRecord, 10> cursors = {
        CursorRecord{IDC_ARROW, Draw(kArrow, POINT{0, 0})},
        CursorRecord{IDC_IBEAM, Draw(kIBeam, POINT{6, 7})},
        CursorRecord{IDC_WAIT, Draw(kWait, POINT{7, 7})},
        CursorRecord{IDC_SIZENWSE, Draw(kSizeNWSE, POINT{7, 7})},
        CursorRecord{IDC_SIZENESW, Draw(kSizeNWSE, POINT{8, 7}, Turn::Mirror)},
        CursorRecord{IDC_SIZEWE, Draw(kSizeWE, POINT{7, 7})},
        CursorRecord{IDC_SIZENS, Draw(kSizeWE, POINT{7, 7}, Turn::Transpose)},
        CursorRecord{IDC_SIZEALL, DrawSizeAll()},
        CursorRecord{IDC_NO, Draw(kNo, POINT{7, 7})},
        CursorRecord{IDC_HAND, Draw(kHand, POINT{4, 0})},
    };
    return cursors;
}

std::atomic<int> g_showCount{0};

} // namespace

// The desktop starts with the arrow.
static std::atomic<HCURSOR>& CurrentCursor() {
    static std::atomic<HCURSOR> current{LoadCursor(nullptr, IDC_ARROW)};
    return current;
}

const CursorShape* ShapeOfCursor(HCURSOR cursor) {
    for (CursorRecord& each : SystemCursors())
        if (&each == cursor)
            return &each.shape;
    return nullptr;
}

HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR name) {
    if (instance || !name || !IS_INTRESOURCE(name))
        return nullptr;
    for (CursorRecord& each : SystemCursors())
        if (each.id == name)
            return &each;
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return CurrentCursor().exchange(cursor);
}

HCURSOR GetCursor() {
    return CurrentCursor().load();
}

int ShowCursor(BOOL show) {
    return show ? ++g_showCount : --g_showCount;
}

BOOL GetCursorInfo(PCURSORINFO info) {
    if (!info || info->cbSize != sizeof(CURSORINFO))
        return FALSE;
    info->hCursor = GetCursor();
    info->flags = g_showCount >= 0 && info->hCursor ? CURSOR_SHOWING : 0;
    GetCursorPos(&info->ptScreenPos);
    return TRUE;
}
