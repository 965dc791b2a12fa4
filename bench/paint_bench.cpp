// Painting: DrawText of a dialog label through the device context, beside FreeType's own
// glyph loading and blitting of the same text into the same kind of surface.

#include "vornui/platform/CDC.h"

#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <vector>

namespace {

constexpr const char* kLabel = "Sound velocity profile: Harbour Nord 12B"; // 40 characters
constexpr int kWidth = 320;
constexpr int kHeight = 24;

void DrawTextLabel(benchmark::State& state) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    dc.SetBkMode(TRANSPARENT);
    CRect rect(0, 0, kWidth, kHeight);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dc.DrawText(kLabel, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT));
    dc.SelectStockObject(SYSTEM_FONT);
    dc.SelectObject(old);
}
BENCHMARK(DrawTextLabel);

// The same label with FreeType alone: load and render each glyph, blend it in.
void FreeTypeLabel(benchmark::State& state) {
    FT_Library library = nullptr;
    FT_Init_FreeType(&library);
    FT_Face face = nullptr;
    FT_New_Face(library, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, &face);
    FT_Set_Pixel_Sizes(face, 0, 11);
    std::vector<std::uint32_t> surface(kWidth * kHeight);
    const std::size_t length = std::strlen(kLabel);
    for (auto _ : state) {
        int pen = 0;
        for (std::size_t i = 0; i < length; ++i) {
            FT_Load_Char(face, static_cast<unsigned char>(kLabel[i]), FT_LOAD_RENDER);
            const FT_Bitmap& glyph = face->glyph->bitmap;
            const int left = pen + face->glyph->bitmap_left;
            const int top = 16 - face->glyph->bitmap_top;
            for (unsigned y = 0; y < glyph.rows; ++y)
                for (unsigned x = 0; x < glyph.width; ++x) {
                    const int px = left + static_cast<int>(x);
                    const int py = top + static_cast<int>(y);
                    if (px < 0 || py < 0 || px >= kWidth || py >= kHeight)
                        continue;
                    const unsigned alpha = glyph.buffer[y * glyph.pitch + x];
                    std::uint32_t& target = surface[py * kWidth + px];
                    target = (target * (255 - alpha)) / 255;
                }
            pen += static_cast<int>(face->glyph->advance.x >> 6);
        }
        benchmark::DoNotOptimize(surface.data());
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(FreeTypeLabel);

} // namespace
