#include "vornui/platform/Images.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/DibFiles.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/IconRecords.h"
#include "vornui/platform/internal/SystemIcons.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>

namespace {

constexpr std::size_t kMaxImageFileSize = 64u << 20;

struct Bytes {
    const BYTE* data = nullptr;
    std::size_t size = 0;
};

Bytes ResourceBytes(HMODULE module, LPCTSTR name, LPCTSTR type) {
    const HRSRC found = FindResource(module, name, type);
    if (!found)
        return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found)};
}

// The colour table's replacements asked for by LR_LOADTRANSPARENT and LR_LOADMAP3DCOLORS.
void MapSystemColors(PackedDib& dib, UINT flags) {
    if (dib.colors.empty())
        return;
    const auto quad = [](int systemColor) {
        const COLORREF color = GetSysColor(systemColor);
        return RGBQUAD{GetBValue(color), GetGValue(color), GetRValue(color), 0};
    };
    const auto same = [](const RGBQUAD& a, BYTE r, BYTE g, BYTE b) {
        return a.rgbRed == r && a.rgbGreen == g && a.rgbBlue == b;
    };
    std::optional<std::size_t> transparent;
    if (flags & LR_LOADTRANSPARENT) {
        // The first pixel of the bits: the bottom-left one of a bottom-up bitmap.
        const int bitCount = dib.header.biBitCount;
        const BYTE first = dib.bits[0];
        transparent = bitCount == 8 ? first : bitCount == 4 ? first >> 4 : first >> 7;
    }
    for (std::size_t i = 0; i < dib.colors.size(); ++i) {
        RGBQUAD& entry = dib.colors[i];
        if (transparent == i)
            entry = quad(flags & LR_LOADMAP3DCOLORS ? COLOR_3DFACE : COLOR_WINDOW);
        else if (!(flags & LR_LOADMAP3DCOLORS))
            continue;
        else if (same(entry, 128, 128, 128))
            entry = quad(COLOR_3DSHADOW);
        else if (same(entry, 192, 192, 192))
            entry = quad(COLOR_3DFACE);
        else if (same(entry, 223, 223, 223))
            entry = quad(COLOR_3DLIGHT);
    }
}

HBITMAP BitmapFromDib(PackedDib dib, UINT flags) {
    MapSystemColors(dib, flags);
    const bool dibSection = (flags & LR_CREATEDIBSECTION) != 0;
    const ArgbImage image = DecodeDib(dib, dibSection);
    HBITMAP bitmap = nullptr;
    if (dibSection) {
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), image.width, image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    } else {
        const bool mono = dib.header.biBitCount == 1 || (flags & LR_MONOCHROME);
        bitmap = CreateBitmap(image.width, image.height, 1,
                              mono ? 1 : static_cast<UINT>(GetDisplayBitsPerPixel()), nullptr);
    }
    const auto record = LiveGdiObjectOf<BitmapRecord>(bitmap);
    if (!record)
        return nullptr;
    PixelSurface& surface = *record->surface;
    const bool mono = !dibSection && record->bitsPixel == 1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const ArgbPixel pixel = image.at(x, y);
            // A monochrome bitmap keeps white for the light half of the colours.
            const Pixel gray = ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) / 3;
            surface.setPixel(x, y,
                             mono         ? (gray >= 128 ? 0xFFFFFF : 0)
                             : dibSection ? pixel
                                          : pixel & 0xFFFFFF);
        }
    return bitmap;
}

HANDLE LoadBitmapImage(HINSTANCE module, LPCTSTR name, UINT flags) {
    if (flags & LR_LOADFROMFILE) {
        const auto file =
            name ? ReadRegularFile(NativePath(name).c_str(), kMaxImageFileSize) : std::nullopt;
        if (!file)
            return nullptr;
        auto dib = ParseBmpFile(reinterpret_cast<const BYTE*>(file->bytes.get()), file->size);
        return dib ? BitmapFromDib(std::move(*dib), flags) : nullptr;
    }
    const Bytes resource = ResourceBytes(module, name, RT_BITMAP);
    auto dib = ParsePackedDib(resource.data, resource.size);
    return dib ? BitmapFromDib(std::move(*dib), flags) : nullptr;
}

ArgbImage IconFromDirectory(const BYTE* data, std::size_t size, bool file, HMODULE module,
                            int width, int height) {
    const auto entries = ParseIconDirectory(data, size, file);
    const IconDirectoryEntry* entry =
        BestIconEntry(entries, width ? width : GetSystemMetrics(SM_CXICON),
                      height ? height : GetSystemMetrics(SM_CYICON));
    if (!entry)
        return {};
    if (file) {
        if (entry->location > size || size - entry->location < entry->bytes)
            return {};
        return DecodeIconImage(data + entry->location, entry->bytes);
    }
    const Bytes image = ResourceBytes(module, MAKEINTRESOURCE(entry->location), RT_ICON);
    return DecodeIconImage(image.data, image.size);
}

ArgbImage IconImage(HINSTANCE module, LPCTSTR name, int width, int height, UINT flags) {
    if (flags & LR_LOADFROMFILE) {
        const auto file = ReadRegularFile(NativePath(name).c_str(), kMaxImageFileSize);
        if (!file)
            return {};
        return IconFromDirectory(reinterpret_cast<const BYTE*>(file->bytes.get()), file->size, true,
                                 nullptr, width, height);
    }
    if (!module)
        return IS_INTRESOURCE(name)
                   ? SystemIconImage(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)),
                                     width ? width : GetSystemMetrics(SM_CXICON))
                   : ArgbImage{};
    const Bytes group = ResourceBytes(module, name, RT_GROUP_ICON);
    return IconFromDirectory(group.data, group.size, false, module, width, height);
}

// The picture, at the size asked for (its own where that is 0).
ArgbImage SizedIconImage(HINSTANCE module, LPCTSTR name, int width, int height, UINT flags) {
    const ArgbImage image = IconImage(module, name, width, height, flags);
    if (image.empty())
        return image;
    return ScaleArgbImage(image, width ? width : image.width, height ? height : image.height);
}

// Shared icons are made once for each module, name and size.
template <typename Make>
HICON SharedIcon(HINSTANCE module, LPCTSTR name, int width, int height, Make make) {
    static std::mutex lock;
    static std::map<std::tuple<HINSTANCE, std::string, int, int>, HICON> made;
    const std::string key = IS_INTRESOURCE(name)
                                ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                : std::string(name);
    const std::lock_guard guard(lock);
    HICON& icon = made[{module, key, width, height}];
    if (!icon)
        icon = RegisterIcon(make(), true);
    return icon;
}

HANDLE LoadIconImage(HINSTANCE module, LPCTSTR name, int width, int height, UINT flags) {
    if (!name || width > kMaxIconSide || height > kMaxIconSide)
        return nullptr;
    if (flags & LR_DEFAULTSIZE) {
        width = width ? width : GetSystemMetrics(SM_CXICON);
        height = height ? height : GetSystemMetrics(SM_CYICON);
    }
    if (!(flags & LR_SHARED) || (flags & LR_LOADFROMFILE))
        return RegisterIcon(SizedIconImage(module, name, width, height, flags), false);
    return SharedIcon(module, name, width, height,
                      [&] { return SizedIconImage(module, name, width, height, flags); });
}

} // namespace

HANDLE LoadImage(HINSTANCE module, LPCTSTR name, UINT type, int width, int height, UINT flags) {
    if (width < 0 || height < 0)
        return nullptr;
    switch (type) {
    case IMAGE_BITMAP:
        return name ? LoadBitmapImage(module, name, flags) : nullptr;
    case IMAGE_ICON:
        return LoadIconImage(module, name, width, height, flags);
    default:
        return nullptr;
    }
}

HBITMAP LoadBitmap(HINSTANCE module, LPCTSTR name) {
    return static_cast<HBITMAP>(LoadImage(module, name, IMAGE_BITMAP, 0, 0, 0));
}
