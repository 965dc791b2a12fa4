#include "vornui/platform/internal/ImageFiles.h"

#include "vornui/platform/GdiTypes.h"
#include "vornui/platform/internal/DibRows.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void PutLittleEndian(std::vector<BYTE>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

// Rows of 0x..RRGGBB pixels as the RGB bytes libpng writes, with the description it needs.
struct PngPicture {
    template <class RowOf>
    PngPicture(int width, int height, RowOf rowOf)
        : rgb(static_cast<std::size_t>(width) * height * 3) {
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* source = rowOf(y);
            BYTE* target = rgb.data() + static_cast<std::size_t>(y) * width * 3;
            for (int x = 0; x < width; ++x) {
                target[3 * x] = static_cast<BYTE>(source[x] >> 16);
                target[3 * x + 1] = static_cast<BYTE>(source[x] >> 8);
                target[3 * x + 2] = static_cast<BYTE>(source[x]);
            }
        }
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        image.width = static_cast<png_uint_32>(width);
        image.height = static_cast<png_uint_32>(height);
        image.format = PNG_FORMAT_RGB;
    }
    ~PngPicture() { png_image_free(&image); }
    PngPicture(const PngPicture&) = delete;
    PngPicture& operator=(const PngPicture&) = delete;

    std::vector<BYTE> rgb;
    png_image image;
};

} // namespace

bool WriteBmpFile(const PixelSurface& surface, const std::string& path) {
    const int width = surface.width();
    const int height = surface.height();
    const std::size_t stride = DibStride(width, 24);
    const std::uint32_t offset = 14 + sizeof(BITMAPINFOHEADER);
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
    std::vector<BYTE> header;
    PutLittleEndian(header, 0x4D42, 2); // "BM"
    PutLittleEndian(header, offset + imageSize, 4);
    PutLittleEndian(header, 0, 4);
    PutLittleEndian(header, offset, 4);
    PutLittleEndian(header, sizeof(BITMAPINFOHEADER), 4);
    PutLittleEndian(header, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(header, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(header, 1, 2);
    PutLittleEndian(header, 24, 2);
    PutLittleEndian(header, BI_RGB, 4);
    PutLittleEndian(header, imageSize, 4);
    for (int i = 0; i < 4; ++i)
        PutLittleEndian(header, 0, 4); // resolution and colour counts

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file || std::fwrite(header.data(), 1, header.size(), file.get()) != header.size())
        return false;
    DibRowEncoder encoder(24, {});
    std::vector<BYTE> row(stride);
    for (int y = height - 1; y >= 0; --y) {
        encoder.encode(surface.row(y), width, row.data());
        if (std::fwrite(row.data(), 1, row.size(), file.get()) != row.size())
            return false;
    }
    return std::fflush(file.get()) == 0;
}

bool WritePngFile(const PixelSurface& surface, const std::string& path) {
    if (surface.width() <= 0 || surface.height() <= 0)
        return false;
    PngPicture picture(surface.width(), surface.height(), [&](int y) { return surface.row(y); });
    return png_image_write_to_file(&picture.image, path.c_str(), 0, picture.rgb.data(), 0,
                                   nullptr) != 0;
}

std::vector<BYTE> PngBytes(const ArgbImage& image) {
    if (image.empty())
        return {};
    PngPicture picture(image.width, image.height, [&](int y) {
        return image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    });
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&picture.image, nullptr, &size, 0, picture.rgb.data(), 0,
                                   nullptr))
        return {};
    std::vector<BYTE> bytes(size);
    if (!png_image_write_to_memory(&picture.image, bytes.data(), &size, 0, picture.rgb.data(), 0,
                                   nullptr))
        return {};
    bytes.resize(size);
    return bytes;
}
