#include "tests/DibBytes.h"
#include "tests/TempDir.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/Images.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <set>

using namespace dib_bytes;

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);

// A memory DC over a 32-bit bitmap filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = kGreen)
        : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(CreateBitmap(width, height, 1, 32, nullptr)),
          m_old(SelectObject(m_dc, m_bitmap)) {
        const RECT all{0, 0, width, height};
        const HBRUSH brush = CreateSolidBrush(fill);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

bool Near(COLORREF a, COLORREF b, int tolerance = 2) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A 1-bit mask bitmap: white where `transparent`.
HBITMAP Mask(int width, int height, const std::function<bool(int, int)>& transparent) {
    const HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, mask);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(dc, x, y, transparent(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    return mask;
}

HBITMAP Solid(int width, int height, COLORREF color) {
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

} // namespace

TEST(Icons, SystemIconsAreSharedAndDrawnWithSoftEdges) {
    const LPCTSTR names[] = {IDI_APPLICATION, IDI_ERROR,   IDI_QUESTION, IDI_WARNING,
                             IDI_INFORMATION, IDI_WINLOGO, IDI_SHIELD};
    std::set<HICON> icons;
    for (const LPCTSTR name : names) {
        const HICON icon = LoadIcon(nullptr, name);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIcon(nullptr, name), icon); // shared
        icons.insert(icon);
    }
    EXPECT_EQ(icons.size(), std::size(names));
    EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), LoadIcon(nullptr, IDI_ERROR));

    const HICON error = LoadIcon(nullptr, IDI_ERROR);
    EXPECT_FALSE(DestroyIcon(error)); // shared icons stay
    Canvas canvas(40, 40);
    ASSERT_TRUE(DrawIcon(canvas.dc(), 4, 4, error));
    EXPECT_EQ(canvas.at(4, 4), kGreen);                         // a transparent corner
    EXPECT_EQ(canvas.at(4 + 16, 4 + 16), RGB(255, 255, 255));   // the cross
    EXPECT_EQ(canvas.at(4 + 16, 4 + 6), RGB(0xD9, 0x30, 0x30)); // the red disc
    // The rim blends into the background: some pixels are neither green nor the icon's.
    int blended = 0;
    for (int x = 4; x < 20; ++x) {
        const COLORREF c = canvas.at(x, 4 + 16);
        blended += c != kGreen && c != RGB(0x9E, 0x1B, 0x1B) && c != RGB(0xD9, 0x30, 0x30);
    }
    EXPECT_GT(blended, 0);

    // Any size can be asked for.
    const auto small = static_cast<HICON>(LoadImage(nullptr, IDI_WARNING, IMAGE_ICON, 16, 16, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP size{};
    GetObject(info.hbmColor, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 16);
    EXPECT_EQ(size.bmHeight, 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_FALSE(DestroyIcon(small));
}

TEST(Icons, InfoGivesTheColoursAndTheMask) {
    const HICON icon = LoadIcon(nullptr, IDI_INFORMATION);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    DIBSECTION section{};
    ASSERT_EQ(GetObject(info.hbmColor, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    EXPECT_EQ(bits[0] >> 24, 0u);             // transparent corner
    EXPECT_EQ(bits[16 * 32 + 5] >> 24, 255u); // inside the disc
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, info.hbmMask);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 16, 16), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);

    // The two bitmaps make the same icon again.
    const HICON copy = CreateIconIndirect(&info);
    Canvas a(32, 32), b(32, 32);
    DrawIcon(a.dc(), 0, 0, icon);
    DrawIcon(b.dc(), 0, 0, copy);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_TRUE(Near(a.at(x, y), b.at(x, y), 1)) << x << "," << y;
    EXPECT_TRUE(DestroyIcon(copy));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(Icons, IconsFromBitmapsKeepTheirMaskAndAlpha) {
    const HBITMAP color = Solid(8, 8, RGB(200, 0, 0));
    const HBITMAP mask = Mask(8, 8, [](int x, int) { return x < 4; });
    ICONINFO made{TRUE, 0, 0, mask, color};
    const HICON icon = CreateIconIndirect(&made);
    ASSERT_NE(icon, nullptr);
    Canvas canvas(8, 8);
    EXPECT_TRUE(DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(canvas.at(1, 1), kGreen);
    EXPECT_EQ(canvas.at(6, 1), RGB(200, 0, 0));
    // The mask alone darkens what the icon covers; the image alone covers everything.
    Canvas masked(8, 8), image(8, 8);
    DrawIconEx(masked.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_MASK);
    EXPECT_EQ(masked.at(1, 1), kGreen);
    EXPECT_EQ(masked.at(6, 1), RGB(0, 0, 0));
    DrawIconEx(image.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_IMAGE);
    EXPECT_NE(image.at(1, 1), kGreen);
    // Stretched to twice the size, with a brush behind it.
    Canvas large(16, 16);
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    DrawIconEx(large.dc(), 0, 0, icon, 16, 16, 0, blue, DI_NORMAL);
    DeleteObject(blue);
    EXPECT_EQ(large.at(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(large.at(12, 12), RGB(200, 0, 0));
    EXPECT_TRUE(DestroyIcon(icon));
    DeleteObject(color);
    DeleteObject(mask);

    // A 32-bit section with alpha: half transparent pixels blend.
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP section = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int i = 0; i < 16; ++i)
        static_cast<std::uint32_t*>(bits)[i] = 0x80FF0000u; // red at half alpha
    ICONINFO alpha{TRUE, 0, 0, nullptr, section};
    const HICON soft = CreateIconIndirect(&alpha);
    Canvas under(4, 4, RGB(0, 0, 0));
    DrawIconEx(under.dc(), 0, 0, soft, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_TRUE(Near(under.at(2, 2), RGB(128, 0, 0)));
    DestroyIcon(soft);
    DeleteObject(section);

    // A monochrome icon: the AND rows above the colour rows.
    const HBITMAP mono = Mask(4, 8, [](int x, int y) { return y < 4 ? x < 2 : x == 3; });
    ICONINFO monochrome{TRUE, 0, 0, mono, nullptr};
    const HICON plain = CreateIconIndirect(&monochrome);
    Canvas flat(4, 4);
    DrawIconEx(flat.dc(), 0, 0, plain, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(flat.at(0, 0), kGreen);
    EXPECT_EQ(flat.at(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(flat.at(3, 0), RGB(255, 255, 255));
    DestroyIcon(plain);
    DeleteObject(mono);
}

TEST(Icons, IconsComeFromResourcesAndFiles) {
    const DibShape shape{8, 8, 4, false, BI_RGB, {{0, 0, 0, 0}, {0, 0, 255, 0}, {255, 0, 0, 0}}};
    const auto ship = IconImage(
        shape, [](int, int y) { return y < 4 ? 1u : 2u; }, [](int x, int) { return x == 0; });
    const HMODULE module = CreateResourceModule("icon-test");
    const std::string group = IconDirectory({{8, 8, 4, ship}}, false);
    ASSERT_TRUE(AddResource(module, RT_ICON, MAKEINTRESOURCE(1), ship.data(),
                            static_cast<DWORD>(ship.size())));
    ASSERT_TRUE(
        AddResource(module, RT_GROUP_ICON, "SHIP", group.data(), static_cast<DWORD>(group.size())));
    const HICON icon = LoadIcon(module, "SHIP");
    ASSERT_NE(icon, nullptr);
    Canvas canvas(32, 32);
    DrawIcon(canvas.dc(), 0, 0, icon); // the system's icon size: four times as large
    EXPECT_EQ(canvas.at(1, 1), kGreen);
    EXPECT_EQ(canvas.at(10, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(10, 30), RGB(0, 0, 255));
    EXPECT_EQ(LoadIcon(module, "NONE"), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(7)), nullptr);

    // A file with two sizes: the closest one is taken.
    const DibShape big{16, 16, 32};
    TempDir dir;
    const std::string path =
        dir.write("ship.ico", IconDirectory({{8, 8, 4, ship},
                                             {16, 16, 32,
                                              IconImage(
                                                  big, [](int, int) { return 0xFF00FF00u; },
                                                  [](int, int) { return false; })}},
                                            true));
    const auto fromFile =
        static_cast<HICON>(LoadImage(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
    ASSERT_NE(fromFile, nullptr);
    Canvas file(16, 16, RGB(0, 0, 0));
    DrawIconEx(file.dc(), 0, 0, fromFile, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(file.at(8, 8), RGB(0, 255, 0));
    DestroyIcon(fromFile);
    EXPECT_EQ(LoadImage(nullptr, dir.file("none.ico").c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE),
              nullptr);
    EXPECT_EQ(LoadImage(nullptr, dir.write("bad.ico", std::string("\0\0\1\0\5\0", 6)).c_str(),
                        IMAGE_ICON, 0, 0, LR_LOADFROMFILE),
              nullptr);
    FreeResourceModule(module);
}

TEST(Icons, BadHandlesAreRefused) {
    Canvas canvas(8, 8);
    EXPECT_FALSE(DrawIcon(canvas.dc(), 0, 0, nullptr));
    EXPECT_FALSE(DrawIcon(nullptr, 0, 0, LoadIcon(nullptr, IDI_ERROR)));
    EXPECT_FALSE(DrawIconEx(canvas.dc(), 0, 0, LoadIcon(nullptr, IDI_ERROR), 0, 0, 0, nullptr, 0));
    EXPECT_FALSE(DestroyIcon(nullptr));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(nullptr, &info));
    EXPECT_FALSE(GetIconInfo(LoadIcon(nullptr, IDI_ERROR), nullptr));
    EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
    ICONINFO empty{TRUE, 0, 0, nullptr, nullptr};
    EXPECT_EQ(CreateIconIndirect(&empty), nullptr);
    EXPECT_EQ(CopyIcon(nullptr), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, nullptr), nullptr);
    EXPECT_EQ(LoadImage(nullptr, IDI_ERROR, IMAGE_ICON, -1, 5, 0), nullptr);
    EXPECT_EQ(LoadImage(nullptr, IDI_ERROR, 99, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImage(nullptr, IDI_ERROR, IMAGE_ICON, 100000, 100000, 0), nullptr);
}
