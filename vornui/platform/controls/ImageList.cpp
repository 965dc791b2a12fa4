#include "vornui/platform/ImageList.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/DibRows.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/IconRecords.h"
#include "vornui/platform/internal/ImageListRecord.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace {

struct ImageListTable {
    std::mutex lock;
    std::unordered_map<const ImageListObject*, std::unique_ptr<ImageListObject>> lists;
};

ImageListTable& Lists() {
    static ImageListTable* table = new ImageListTable;
    return *table;
}

// The depth the list keeps its colours in: the display's for ILC_COLOR and ILC_COLORDDB.
int ColorDepth(UINT flags) {
    const int depth = static_cast<int>(flags & 0xFE);
    return depth == ILC_COLOR || depth == ILC_COLORDDB ? 32 : depth;
}

// Reduces a picture to the colours the list's depth can hold.
void ReduceColors(ArgbImage& image, int depth) {
    if (depth >= 24 || !IsSupportedDibBitCount(depth))
        return;
    const std::vector<RGBQUAD> table = DibColorTable(depth, {});
    DibRowEncoder encoder(depth, table);
    std::vector<Pixel> row(static_cast<std::size_t>(image.width));
    std::vector<BYTE> packed(DibStride(image.width, depth));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            row[x] = image.at(x, y) & 0xFFFFFF;
        encoder.encode(row.data(), image.width, packed.data());
        DecodeDibRow(packed.data(), image.width, depth, table.data(), table.size(), row.data());
        for (int x = 0; x < image.width; ++x)
            image.at(x, y) = (image.at(x, y) & 0xFF000000u) | row[x];
    }
}

// The pixels of a bitmap with the transparency its mask (white: transparent) or, on a
// list without masks, none gives them. A 32-bit bitmap's own alpha counts when it has one.
ArgbImage ReadBitmap(const ImageListObject& list, HBITMAP image, HBITMAP mask) {
    const auto color = LiveGdiObjectOf<BitmapRecord>(image);
    if (!color)
        return {};
    const auto maskRecord = LiveGdiObjectOf<BitmapRecord>(mask);
    const PixelSurface& surface = *color->surface;
    ArgbImage picture(surface.width(), surface.height());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.at(x, y) = surface.pixel(x, y);
    if (color->dibHeader && ColorDepth(list.flags) == 32 && picture.hasAlpha())
        return picture;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const bool transparent = list.masked() && maskRecord &&
                                     maskRecord->surface->contains(x, y) &&
                                     (maskRecord->surface->pixel(x, y) & 0xFFFFFF) != 0;
            ArgbPixel& pixel = picture.at(x, y);
            pixel = transparent ? 0 : OpaqueArgb(pixel);
        }
    return picture;
}

// Cuts a strip of pictures into the list's images.
std::vector<ArgbImage> CutStrip(const ImageListObject& list, const ArgbImage& strip) {
    std::vector<ArgbImage> images;
    const int rows = std::min(list.height, strip.height);
    for (int left = 0; left + list.width <= strip.width; left += list.width) {
        ArgbImage image(list.width, list.height);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < list.width; ++x)
                image.at(x, y) = strip.at(left + x, y);
        ReduceColors(image, ColorDepth(list.flags));
        images.push_back(std::move(image));
    }
    return images;
}

int Append(ImageListObject& list, std::vector<ArgbImage> images) {
    if (images.empty())
        return -1;
    const int first = static_cast<int>(list.images.size());
    for (ArgbImage& image : images)
        list.images.push_back(std::move(image));
    return first;
}

Pixel PixelOrDefault(COLORREF color, int systemColor) {
    return PixelFromColor(color == CLR_DEFAULT ? GetSysColor(systemColor) : color);
}

// Draws one image as `style` asks (without its overlay).
BOOL DrawImage(const ImageListObject& list, const ArgbImage& image, HDC hdc, const CRect& target,
               COLORREF background, COLORREF foreground, UINT style) {
    const CRect source(0, 0, target.Width(), target.Height());
    if (style & ILD_MASK) {
        // The mask alone: black where the image is, white where it is transparent.
        ArgbImage mask(image.width, image.height);
        for (std::size_t i = 0; i < mask.pixels.size(); ++i)
            mask.pixels[i] = AlphaOf(image.pixels[i]) && list.masked() ? 0xFF000000u
                             : list.masked()                           ? 0xFFFFFFFFu
                                                                       : 0xFF000000u;
        return DrawArgbImage(hdc, target, mask, {source});
    }
    if (background == CLR_DEFAULT)
        background = list.background;
    const bool transparent = (style & ILD_TRANSPARENT) || background == CLR_NONE;
    if (list.masked() && !transparent && !(style & ILD_IMAGE)) {
        CBrush brush(background);
        FillRect(hdc, &target, brush);
    }
    ArgbDrawing how{source};
    const UINT blend = style & (ILD_BLEND25 | ILD_BLEND50);
    if (blend && foreground != CLR_NONE) {
        how.tinted = true;
        how.tint = PixelOrDefault(foreground, COLOR_HIGHLIGHT);
        how.tintAlpha = (blend & ILD_BLEND50) ? 128 : 64;
    }
    if (style & ILD_IMAGE) {
        ArgbImage opaque = image;
        for (ArgbPixel& pixel : opaque.pixels)
            pixel = OpaqueArgb(pixel);
        return DrawArgbImage(hdc, target, opaque, how);
    }
    return DrawArgbImage(hdc, target, image, how);
}

} // namespace

ImageListObject* LiveImageList(HIMAGELIST list) {
    ImageListTable& table = Lists();
    const std::lock_guard guard(table.lock);
    const auto found = table.lists.find(list);
    return found == table.lists.end() ? nullptr : found->second.get();
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int) {
    if (width <= 0 || height <= 0 || !BitmapSizeAllowed(width, height) || initial < 0)
        return nullptr;
    auto list = std::make_unique<ImageListObject>();
    list->width = width;
    list->height = height;
    list->flags = flags;
    ImageListTable& table = Lists();
    const std::lock_guard guard(table.lock);
    ImageListObject* handle = list.get();
    table.lists.emplace(handle, std::move(list));
    return handle;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    ImageListTable& table = Lists();
    const std::lock_guard guard(table.lock);
    return table.lists.erase(list) ? TRUE : FALSE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const ImageListObject* record = LiveImageList(list);
    return record ? static_cast<int>(record->images.size()) : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count) {
    ImageListObject* record = LiveImageList(list);
    if (!record || count > (1u << 20))
        return FALSE;
    record->images.resize(count, ArgbImage(record->width, record->height));
    return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height) {
    const ImageListObject* record = LiveImageList(list);
    if (!record || !width || !height)
        return FALSE;
    *width = record->width;
    *height = record->height;
    return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST list, int width, int height) {
    ImageListObject* record = LiveImageList(list);
    if (!record || width <= 0 || height <= 0 || !BitmapSizeAllowed(width, height))
        return FALSE;
    record->width = width;
    record->height = height;
    record->images.clear();
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    ImageListObject* record = LiveImageList(list);
    if (!record)
        return -1;
    return Append(*record, CutStrip(*record, ReadBitmap(*record, image, mask)));
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
    ImageListObject* record = LiveImageList(list);
    if (!record)
        return -1;
    ArgbImage strip = ReadBitmap(*record, image, nullptr);
    if (record->masked())
        for (ArgbPixel& pixel : strip.pixels)
            if ((pixel & 0xFFFFFF) == PixelFromColor(maskColor))
                pixel = 0;
    return Append(*record, CutStrip(*record, strip));
}

int ImageList_AddIcon(HIMAGELIST list, HICON icon) {
    return ImageList_ReplaceIcon(list, -1, icon);
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    ImageListObject* record = LiveImageList(list);
    const IconObject* iconRecord = LiveIcon(icon);
    if (!record || !iconRecord || (index != -1 && !record->valid(index)))
        return -1;
    ArgbImage image = ScaleArgbImage(iconRecord->image, record->width, record->height);
    if (!record->masked())
        for (ArgbPixel& pixel : image.pixels)
            pixel = OpaqueArgb(AlphaOf(pixel) ? pixel : PixelFromColor(GetSysColor(COLOR_WINDOW)));
    ReduceColors(image, ColorDepth(record->flags));
    if (index == -1)
        return Append(*record, {std::move(image)});
    record->images[static_cast<std::size_t>(index)] = std::move(image);
    return index;
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
    ImageListObject* record = LiveImageList(list);
    if (!record || !record->valid(index))
        return FALSE;
    std::vector<ArgbImage> images = CutStrip(*record, ReadBitmap(*record, image, mask));
    if (images.empty())
        return FALSE;
    record->images[static_cast<std::size_t>(index)] = std::move(images.front());
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    ImageListObject* record = LiveImageList(list);
    if (!record || (index != -1 && !record->valid(index)))
        return FALSE;
    if (index == -1)
        record->images.clear();
    else
        record->images.erase(record->images.begin() + index);
    return TRUE;
}

BOOL ImageList_RemoveAll(HIMAGELIST list) {
    return ImageList_Remove(list, -1);
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    ImageListObject* record = LiveImageList(list);
    return record ? std::exchange(record->background, color) : CLR_NONE;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
    const ImageListObject* record = LiveImageList(list);
    return record ? record->background : CLR_NONE;
}

BOOL ImageList_SetOverlayImage(HIMAGELIST list, int index, int overlay) {
    ImageListObject* record = LiveImageList(list);
    if (!record || !record->valid(index) || overlay < 1 || overlay > 15)
        return FALSE;
    record->overlays[static_cast<std::size_t>(overlay)] = index + 1;
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style) {
    return ImageList_DrawEx(list, index, hdc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC hdc, int x, int y, int width, int height,
                      COLORREF background, COLORREF foreground, UINT style) {
    const ImageListObject* record = LiveImageList(list);
    if (!record || !record->valid(index) || !LiveDC(hdc) || width < 0 || height < 0)
        return FALSE;
    const CRect target(x, y, x + (width ? std::min(width, record->width) : record->width),
                       y + (height ? std::min(height, record->height) : record->height));
    if (!DrawImage(*record, record->images[static_cast<std::size_t>(index)], hdc, target,
                   background, foreground, style))
        return FALSE;
    const int overlay = static_cast<int>((style & ILD_OVERLAYMASK) >> 8);
    const int overlayIndex = record->overlays[static_cast<std::size_t>(overlay)] - 1;
    if (overlay == 0 || !record->valid(overlayIndex))
        return TRUE;
    return DrawImage(*record, record->images[static_cast<std::size_t>(overlayIndex)], hdc, target,
                     CLR_NONE, CLR_NONE, ILD_TRANSPARENT | (style & ILD_MASK));
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT) {
    const ImageListObject* record = LiveImageList(list);
    if (!record || !record->valid(index))
        return nullptr;
    return RegisterIcon(record->images[static_cast<std::size_t>(index)], false);
}
