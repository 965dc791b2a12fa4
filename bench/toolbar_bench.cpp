// Toolbars: a 40-button flat toolbar painted while the hot button moves over every button
// in turn (40 paints of 40 pictures), beside ImageList_Draw of the same 40 pictures as
// often into a plain memory bitmap.

#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/ToolBarCtrl.h"
#include "vornui/platform/WindowPaint.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kButtons = 40;
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;

// 40 pictures, each a colour of its own with a magenta corner that the list leaves out.
HIMAGELIST Pictures(int shade) {
    const HIMAGELIST list =
        ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, kButtons, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap strip;
    strip.CreateBitmap(kImageWidth * kButtons, kImageHeight, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&strip);
    for (int index = 0; index < kButtons; ++index) {
        const CRect image(index * kImageWidth, 0, (index + 1) * kImageWidth, kImageHeight);
        dc.FillSolidRect(&image, RGB(index * 6, shade, 255 - index * 6));
        dc.FillSolidRect(image.left, 0, 3, 3, RGB(255, 0, 255));
    }
    dc.SelectObject(old);
    ImageList_AddMasked(list, strip, RGB(255, 0, 255));
    return list;
}

struct PictureLists {
    PictureLists() : normal(Pictures(60)), hot(Pictures(200)) {}
    ~PictureLists() {
        ImageList_Destroy(normal);
        ImageList_Destroy(hot);
    }
    PictureLists(const PictureLists&) = delete;
    PictureLists& operator=(const PictureLists&) = delete;
    HIMAGELIST normal;
    HIMAGELIST hot;
};

void PaintHotTrackedToolBar(benchmark::State& state) {
    const PictureLists lists;
    CWnd frame;
    frame.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 60, nullptr, nullptr);
    CToolBarCtrl bar;
    bar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 0, 0), &frame, 1);
    std::vector<TBBUTTON> buttons(kButtons);
    for (int index = 0; index < kButtons; ++index)
        buttons[index] = TBBUTTON{index, 100 + index, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
    bar.AddButtons(kButtons, buttons.data());
    bar.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(lists.normal));
    bar.SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(lists.hot));
    bar.AutoSize();
    for (auto _ : state)
        for (int index = 0; index < kButtons; ++index) {
            bar.SetHotItem(index);
            bar.UpdateWindow();
        }
    state.counters["pictures"] =
        benchmark::Counter(kButtons * kButtons, benchmark::Counter::kIsIterationInvariantRate);
    frame.DestroyWindow();
}
BENCHMARK(PaintHotTrackedToolBar)->Unit(benchmark::kMicrosecond);

// The same pictures drawn as often with the image list alone.
void DrawPicturesAlone(benchmark::State& state) {
    const PictureLists lists;
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(1000, 30, 1, 32, nullptr);
    CBitmap* old = memory.SelectObject(&bitmap);
    for (auto _ : state)
        for (int pass = 0; pass < kButtons; ++pass)
            for (int index = 0; index < kButtons; ++index)
                ImageList_Draw(pass == index ? lists.hot : lists.normal, index, memory,
                               2 + index * 24, 5, ILD_TRANSPARENT);
    memory.SelectObject(old);
    state.counters["pictures"] =
        benchmark::Counter(kButtons * kButtons, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(DrawPicturesAlone)->Unit(benchmark::kMicrosecond);

} // namespace
