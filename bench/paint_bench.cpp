// Painting: a 30-control dialog rendered to a bitmap beside a plain memset of a surface of
// the same size; DrawText of a dialog label through the device context beside FreeType's
// own glyph loading and blitting of the same text into the same kind of surface.

#include "vornui/platform/Button.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowDC.h"

#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <vector>

namespace {

// Ten rows of a label, an edit and a check box: 30 controls.
std::vector<DialogItemTemplate> SurveyControls() {
    std::vector<DialogItemTemplate> items;
    static const char* const kNames[] = {"Depth",  "Heading", "Speed", "Tide",  "Draft",
                                         "Offset", "Roll",    "Pitch", "Heave", "Sound"};
    for (short row = 0; row < 10; ++row) {
        const short y = static_cast<short>(7 + row * 16);
        const WORD id = static_cast<WORD>(100 + row * 3);
        items.push_back({"Static", kNames[row], id, WS_VISIBLE | SS_LEFT, 0, 7, y, 50, 8});
        items.push_back({"Edit", "12.50", static_cast<WORD>(id + 1),
                         WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 60, static_cast<short>(y - 2), 70,
                         12});
        items.push_back({"Button", "Apply", static_cast<WORD>(id + 2),
                         WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 140, y, 60, 10});
    }
    return items;
}

DialogTemplate SensorsDialog() {
    static const std::vector<DialogItemTemplate> items = SurveyControls();
    return DialogTemplate{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                          0,
                          0,
                          0,
                          210,
                          170,
                          "Sensors",
                          "MS Shell Dlg",
                          8,
                          items.data(),
                          static_cast<WORD>(items.size())};
}

void RenderDialog(benchmark::State& state) {
    const DialogTemplate survey = SensorsDialog();
    CDialog dialog;
    dialog.CreateIndirect(&survey);
    dialog.ShowWindow(SW_SHOW);
    CRect window;
    dialog.GetWindowRect(&window);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(window.Width(), window.Height(), 1, 32, nullptr);
    CBitmap* old = memory.SelectObject(&bitmap);
    for (auto _ : state)
        benchmark::DoNotOptimize(PrintWindow(dialog, memory, 0));
    memory.SelectObject(old);
    state.counters["pixels"] = window.Width() * window.Height();
    dialog.DestroyWindow();
}
BENCHMARK(RenderDialog)->Unit(benchmark::kMicrosecond);

// The same number of pixels filled with memset.
void MemsetSurface(benchmark::State& state) {
    const DialogTemplate survey = SensorsDialog();
    CDialog dialog;
    dialog.CreateIndirect(&survey);
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.DestroyWindow();
    std::vector<std::uint32_t> surface(static_cast<std::size_t>(window.Width()) * window.Height());
    for (auto _ : state) {
        std::memset(surface.data(), 0xF0, surface.size() * sizeof surface[0]);
        benchmark::DoNotOptimize(surface.data());
    }
    state.counters["pixels"] = static_cast<double>(surface.size());
}
BENCHMARK(MemsetSurface)->Unit(benchmark::kMicrosecond);

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
