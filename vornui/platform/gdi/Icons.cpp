#include "vornui/platform/Icons.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/IconRecords.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

struct IconTable {
    std::mutex lock;
    std::unordered_map<const IconObject*, std::unique_ptr<IconObject>> icons;
};

IconTable& Icons() {
    static IconTable* table = new IconTable; // icons may be used by static objects' ends
    return *table;
}

ArgbImage ReadColorBitmap(const BitmapRecord& color) {
    const PixelSurface& surface = *color.surface;
    ArgbImage image(surface.width(), surface.height());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.at(x, y) = surface.pixel(x, y);
    return image;
}

// A monochrome icon's mask holds the AND rows above the colour (XOR) rows.
ArgbImage FromMonochromeMask(const PixelSurface& mask) {
    ArgbImage image(mask.width(), mask.height() / 2);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool transparent = (mask.pixel(x, y) & 0xFFFFFF) != 0;
            const Pixel color = mask.pixel(x, y + image.height) & 0xFFFFFF;
            image.at(x, y) = transparent ? 0 : OpaqueArgb(color);
        }
    return image;
}

HBITMAP MakeMask(const ArgbImage& image) {
    const HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, nullptr);
    PixelSurface& surface = *LiveGdiObjectOf<BitmapRecord>(mask)->surface;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            surface.setPixel(x, y, AlphaOf(image.at(x, y)) == 0 ? 0xFFFFFF : 0);
    return mask;
}

HBITMAP MakeColorSection(const ArgbImage& image) {
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (color)
        std::copy(image.pixels.begin(), image.pixels.end(), static_cast<ArgbPixel*>(bits));
    return color;
}

// What each drawing flag keeps of the picture: the mask alone paints black where the
// icon is opaque; the image alone paints every pixel, ignoring transparency.
ArgbImage ImageForFlags(const ArgbImage& image, UINT flags) {
    if ((flags & DI_NORMAL) == DI_NORMAL)
        return image;
    ArgbImage part = image;
    for (ArgbPixel& pixel : part.pixels)
        pixel = (flags & DI_MASK) ? (AlphaOf(pixel) ? 0xFF000000u : 0) : (pixel | 0xFF000000u);
    return part;
}

} // namespace

HICON RegisterIcon(ArgbImage image, bool shared) {
    if (image.empty())
        return nullptr;
    auto record = std::make_unique<IconObject>();
    record->image = std::move(image);
    record->shared = shared;
    IconTable& table = Icons();
    const std::lock_guard guard(table.lock);
    IconObject* handle = record.get();
    table.icons.emplace(handle, std::move(record));
    return handle;
}

const IconObject* LiveIcon(HICON icon) {
    IconTable& table = Icons();
    const std::lock_guard guard(table.lock);
    const auto found = table.icons.find(icon);
    return found == table.icons.end() ? nullptr : found->second.get();
}

HICON LoadIcon(HINSTANCE module, LPCTSTR name) {
    return static_cast<HICON>(
        LoadImage(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

HICON CreateIconIndirect(PICONINFO info) {
    if (!info)
        return nullptr;
    const auto mask = LiveGdiObjectOf<BitmapRecord>(info->hbmMask);
    if (!info->hbmColor)
        return mask && mask->surface->height() >= 2
                   ? RegisterIcon(FromMonochromeMask(*mask->surface), false)
                   : nullptr;
    const auto color = LiveGdiObjectOf<BitmapRecord>(info->hbmColor);
    if (!color)
        return nullptr;
    ArgbImage image = ReadColorBitmap(*color);
    if (color->bitsPixel == 32 && image.hasAlpha())
        return RegisterIcon(std::move(image), false);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool transparent = mask && mask->surface->contains(x, y) &&
                                     (mask->surface->pixel(x, y) & 0xFFFFFF) != 0;
            ArgbPixel& pixel = image.at(x, y);
            pixel = transparent ? 0 : OpaqueArgb(pixel);
        }
    return RegisterIcon(std::move(image), false);
}

HICON CopyIcon(HICON icon) {
    const IconObject* record = LiveIcon(icon);
    return record ? RegisterIcon(record->image, false) : nullptr;
}

BOOL DestroyIcon(HICON icon) {
    IconTable& table = Icons();
    const std::lock_guard guard(table.lock);
    const auto found = table.icons.find(icon);
    if (found == table.icons.end() || found->second->shared)
        return FALSE;
    table.icons.erase(found);
    return TRUE;
}

BOOL GetIconInfo(HICON icon, PICONINFO info) {
    const IconObject* record = LiveIcon(icon);
    if (!record || !info)
        return FALSE;
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(record->image.width / 2);
    info->yHotspot = static_cast<DWORD>(record->image.height / 2);
    info->hbmMask = MakeMask(record->image);
    info->hbmColor = MakeColorSection(record->image);
    return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
    return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH flickerFree,
                UINT flags) {
    const IconObject* record = LiveIcon(icon);
    if (!record || !LiveDC(hdc) || (flags & DI_NORMAL) == 0)
        return FALSE;
    const ArgbImage& image = record->image;
    const bool systemSize = (flags & DI_DEFAULTSIZE) != 0;
    if (width == 0)
        width = systemSize ? GetSystemMetrics(SM_CXICON) : image.width;
    if (height == 0)
        height = systemSize ? GetSystemMetrics(SM_CYICON) : image.height;
    const CRect target(x, y, x + width, y + height);
    if (flickerFree)
        FillRect(hdc, &target, flickerFree);
    return DrawArgbImage(hdc, target, ImageForFlags(image, flags),
                         {CRect(0, 0, image.width, image.height)});
}
