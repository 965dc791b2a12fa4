// The property window: fitting a 10,000-character value into 200 pixels beside one
// measurement of the whole text; painting a 1,000-row window scrolled to its middle beside
// filling and writing the visible rows by hand; a degrees-minutes-seconds text beside
// snprintf of its three numbers.

#include "vornui/platform/CDC.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/properties/KIconTextButtonProperty.h"
#include "vornui/properties/KPropWnd.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000;
constexpr int kFitWidth = 200;

class NullHost : public IPropertyHost {
public:
    bool AcceptChange(void*, const void*) override { return true; }
    void OnValueChanged(void*) override {}
    bool CanEdit(void*) override { return true; }
};

class DepthRow : public KIconTextButtonProperty {
public:
    DepthRow(IPropertyHost* host, double* depth)
        : KIconTextButtonProperty(host, "Depth", depth, true) {}
    CString GetTextValue() override {
        return KPropWnd::FormatDigits(*static_cast<double*>(m_pData), 5) + " m";
    }
};

// A window of 1,000 rows, scrolled to the middle, made once.
struct BigPane {
    NullHost host;
    std::vector<double> depths;
    std::vector<std::unique_ptr<DepthRow>> rows;
    KPropWnd wnd;
    BigPane() : depths(kRows) {
        wnd.Create(WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 600), nullptr, 0);
        for (int row = 0; row < kRows; ++row) {
            depths[static_cast<size_t>(row)] = 10 + row * 0.37;
            rows.push_back(std::make_unique<DepthRow>(&host, &depths[static_cast<size_t>(row)]));
            wnd.AddProperty(rows.back().get());
        }
        SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, rows[kRows / 2]->GetRect().top, 0};
        wnd.SetScrollInfo(SB_VERT, &info);
        wnd.UpdateWindow();
    }
};

BigPane& Pane() {
    static BigPane pane;
    return pane;
}

const CString& LongValue() {
    static const CString text(std::string(10000, 'x').append("0123456789").c_str());
    return text;
}

void BM_FitTextToWidth(benchmark::State& state) {
    CClientDC dc(&Pane().wnd);
    dc.SelectObject(Pane().wnd.GetRowFont());
    for (auto _ : state) {
        CString text = LongValue();
        KPropWnd::FitTextToWidth(&dc, text, kFitWidth);
        benchmark::DoNotOptimize(text);
    }
}

void BM_OneTextExtent(benchmark::State& state) {
    CClientDC dc(&Pane().wnd);
    dc.SelectObject(Pane().wnd.GetRowFont());
    for (auto _ : state)
        benchmark::DoNotOptimize(dc.GetTextExtent(LongValue()));
}

void BM_PaintMiddle(benchmark::State& state) {
    BigPane& pane = Pane();
    for (auto _ : state) {
        pane.wnd.Invalidate();
        pane.wnd.UpdateWindow();
    }
}

void BM_PlainFillAndTextOutMiddle(benchmark::State& state) {
    BigPane& pane = Pane();
    CRect client;
    pane.wnd.GetClientRect(&client);
    const int height = pane.rows.front()->GetRect().Height();
    const int first = pane.wnd.GetScrollPos(SB_VERT) / height;
    CClientDC dc(&pane.wnd);
    dc.SelectObject(pane.wnd.GetRowFont());
    for (auto _ : state) {
        for (int row = 0; row * height < client.bottom && first + row < kRows; ++row) {
            const int top = row * height;
            dc.FillSolidRect(0, top, client.right, height, RGB(255, 255, 255));
            dc.TextOut(4, top + 3, "Depth", 5);
            char text[32];
            const int length = std::snprintf(text, sizeof text, "%.3f m",
                                             pane.depths[static_cast<size_t>(first + row)]);
            dc.TextOut(60, top + 3, text, length);
        }
    }
}

void BM_DegreesMinutesSeconds(benchmark::State& state) {
    double value = 55.675138888;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            KPropWnd::FormatAngle(value, KPropWnd::eDegreesSeconds, "S", "N", 1));
        value += 1e-7;
    }
}

void BM_SnprintfThreeNumbers(benchmark::State& state) {
    double value = 55.675138888;
    for (auto _ : state) {
        char text[48];
        const int degrees = static_cast<int>(value);
        const int minutes = static_cast<int>((value - degrees) * 60);
        const double seconds = (value - degrees) * 3600 - minutes * 60;
        std::snprintf(text, sizeof text, "%03d %02d' %05.2f\" N", degrees, minutes, seconds);
        benchmark::DoNotOptimize(text);
        value += 1e-7;
    }
}

} // namespace

BENCHMARK(BM_FitTextToWidth)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneTextExtent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainFillAndTextOutMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreesMinutesSeconds);
BENCHMARK(BM_SnprintfThreeNumbers);
