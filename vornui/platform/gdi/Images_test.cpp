#include "tests/DibBytes.h"
#include "tests/TempDir.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/SystemSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace dib_bytes;

namespace {

constexpr COLORREF kA = RGB(132, 66, 33);
constexpr COLORREF kB = RGB(0, 255, 99);

// The colour of each quadrant: A at the top left and bottom right, B elsewhere.
bool IsA(int x, int y, int width, int height) {
    return (x < width / 2) == (y < height / 2);
}

std::uint32_t Bits(COLORREF color, int bitCount) {
    if (bitCount == 16)
        return ((GetRValue(color) >> 3) << 10) | ((GetGValue(color) >> 3) << 5) |
               (GetBValue(color) >> 3);
    return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (GetGValue(color) << 8) |
           GetBValue(color);
}

RGBQUAD Quad(COLORREF color) {
    return {GetBValue(color), GetGValue(color), GetRValue(color), 0};
}

bool Near(COLORREF a, COLORREF b, int tolerance = 2) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Reads a bitmap's pixels through a memory DC.
class Reader {
public:
    explicit Reader(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)) {
        m_old = SelectObject(m_dc, bitmap);
    }
    ~Reader() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

HBITMAP LoadFile(const std::string& path, UINT flags = 0) {
    return static_cast<HBITMAP>(
        LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | flags));
}

} // namespace

TEST(Images, BmpFilesOfEveryDepthLoadRightSideUp) {
    TempDir dir;
    for (const int bitCount : {1, 4, 8, 16, 24, 32})
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bitCount << " bits, top-down " << topDown);
            const int width = 10;
            const int height = 6;
            const COLORREF a = bitCount == 1 ? RGB(0, 0, 0) : kA;
            const COLORREF b = bitCount == 1 ? RGB(255, 255, 255) : kB;
            DibShape shape{width, height, bitCount, topDown};
            if (bitCount <= 8)
                shape.colors = {Quad(a), Quad(b)};
            const auto value = [&](int x, int y) {
                const bool isA = IsA(x, y, width, height);
                return bitCount <= 8 ? (isA ? 0u : 1u) : Bits(isA ? a : b, bitCount);
            };
            const std::string path = dir.write("picture.bmp", BmpFile(shape, value));
            for (const UINT flags : {0u, static_cast<UINT>(LR_CREATEDIBSECTION)}) {
                const HBITMAP bitmap = LoadFile(path, flags);
                ASSERT_NE(bitmap, nullptr);
                BITMAP info{};
                ASSERT_TRUE(GetObject(bitmap, sizeof info, &info));
                EXPECT_EQ(info.bmWidth, width);
                EXPECT_EQ(info.bmHeight, height);
                DIBSECTION section{};
                EXPECT_EQ(GetObject(bitmap, sizeof section, &section) == sizeof section,
                          flags == LR_CREATEDIBSECTION);
                Reader reader(bitmap);
                EXPECT_EQ(reader.at(0, 0), a);
                EXPECT_EQ(reader.at(width - 1, 0), b);
                EXPECT_EQ(reader.at(0, height - 1), b);
                EXPECT_EQ(reader.at(width - 1, height - 1), a);
                DeleteObject(bitmap);
            }
        }

    // 16 bits with their own channel masks (5-6-5).
    DibShape masked{4, 4, 16, false, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}};
    const std::string path = dir.write("masked.bmp", BmpFile(masked, [](int x, int y) {
                                           return IsA(x, y, 4, 4) ? 0xF800u : 0x07E0u;
                                       }));
    const HBITMAP bitmap = LoadFile(path);
    ASSERT_NE(bitmap, nullptr);
    {
        Reader reader(bitmap);
        EXPECT_TRUE(Near(reader.at(0, 0), RGB(255, 0, 0)));
        EXPECT_TRUE(Near(reader.at(3, 0), RGB(0, 255, 0)));
    }
    DeleteObject(bitmap);
}

TEST(Images, ColourTablesTakeTheSystemColours) {
    const INT elements[] = {COLOR_WINDOW, COLOR_3DFACE, COLOR_3DSHADOW, COLOR_3DLIGHT};
    COLORREF before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = GetSysColor(elements[i]);
    const COLORREF chosen[] = {RGB(250, 240, 230), RGB(11, 22, 33), RGB(44, 55, 66),
                               RGB(77, 88, 99)};
    StoreSysColors(4, elements, chosen);

    // The bottom row (the first in the file) has colour 0; then the three greys and blue.
    DibShape shape{4,
                   4,
                   8,
                   false,
                   BI_RGB,
                   {Quad(RGB(255, 0, 0)), Quad(RGB(128, 128, 128)), Quad(RGB(192, 192, 192)),
                    Quad(RGB(223, 223, 223)), Quad(RGB(0, 0, 255))}};
    TempDir dir;
    const std::string path =
        dir.write("map.bmp", BmpFile(shape, [](int x, int y) {
                      return y == 3 ? 0u : static_cast<std::uint32_t>(x == 3 ? 4 : x + 1);
                  }));
    const auto check = [&](UINT flags, COLORREF first, COLORREF dark, COLORREF face,
                           COLORREF light) {
        const HBITMAP bitmap = LoadFile(path, flags);
        ASSERT_NE(bitmap, nullptr);
        {
            Reader reader(bitmap);
            EXPECT_EQ(reader.at(0, 3), first);
            EXPECT_EQ(reader.at(0, 0), dark);
            EXPECT_EQ(reader.at(1, 0), face);
            EXPECT_EQ(reader.at(2, 0), light);
            EXPECT_EQ(reader.at(3, 0), RGB(0, 0, 255));
        }
        DeleteObject(bitmap);
    };
    check(0, RGB(255, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223));
    check(LR_LOADTRANSPARENT, chosen[0], RGB(128, 128, 128), RGB(192, 192, 192),
          RGB(223, 223, 223));
    check(LR_LOADMAP3DCOLORS, RGB(255, 0, 0), chosen[2], chosen[1], chosen[3]);
    check(LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS, chosen[1], chosen[2], chosen[1], chosen[3]);
    StoreSysColors(4, elements, before);
}

TEST(Images, BitmapsComeFromResources) {
    const HMODULE module = CreateResourceModule("bitmap-test");
    static const std::string packed =
        PackedDib({6, 4, 24}, [](int x, int y) { return Bits(IsA(x, y, 6, 4) ? kA : kB, 24); });
    ASSERT_TRUE(AddResource(module, RT_BITMAP, MAKEINTRESOURCE(5), packed.data(),
                            static_cast<DWORD>(packed.size())));
    const HBITMAP bitmap = LoadBitmap(module, MAKEINTRESOURCE(5));
    ASSERT_NE(bitmap, nullptr);
    {
        Reader reader(bitmap);
        EXPECT_EQ(reader.at(0, 0), kA);
        EXPECT_EQ(reader.at(5, 0), kB);
    }
    DeleteObject(bitmap);
    EXPECT_EQ(LoadBitmap(module, MAKEINTRESOURCE(6)), nullptr);
    EXPECT_EQ(LoadBitmap(module, nullptr), nullptr);
    FreeResourceModule(module);
}

TEST(Images, MalformedFilesGiveNoBitmap) {
    TempDir dir;
    const DibShape shape{4, 4, 24};
    const std::string good = BmpFile(shape, [](int, int) { return 0u; });
    auto changed = [&](std::size_t at, std::uint32_t value, int bytes) {
        std::string bad = good;
        std::string field;
        Put(field, value, bytes);
        bad.replace(at, static_cast<std::size_t>(bytes), field);
        return bad;
    };
    const std::string broken[] = {
        "",
        "BM",
        "XY" + good.substr(2),
        good.substr(0, good.size() - 1), // a byte short
        good.substr(0, 40),
        changed(10, 0xFFFFFF, 4), // bits beyond the end
        changed(14, 0, 4),        // header size
        changed(14, 1000, 4),
        changed(18, 0, 4),          // no width
        changed(18, 0x7FFFFFFF, 4), // too large
        changed(22, 0x80000000u, 4),
        changed(26, 2, 2),       // planes
        changed(28, 7, 2),       // bits per pixel
        changed(30, BI_RLE8, 4), // compression
        changed(30, BI_BITFIELDS, 4),
    };
    for (const std::string& bytes : broken) {
        SCOPED_TRACE(bytes.size());
        EXPECT_EQ(LoadFile(dir.write("broken.bmp", bytes)), nullptr);
    }
    EXPECT_EQ(LoadFile(dir.file("missing.bmp")), nullptr);
    EXPECT_EQ(LoadFile(dir.path().string()), nullptr); // a folder
    const HBITMAP fine = LoadFile(dir.write("fine.bmp", good));
    EXPECT_NE(fine, nullptr);
    DeleteObject(fine);
}
