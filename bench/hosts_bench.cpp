// The layout hosts on every size message of a drag: UpdateLayout of a window with 50 and
// 200 controls (ten to a row, every row and item greedy), and EraseBkgnd of the same window
// (the client less every control, filled). Beside them the plain work: MoveWindow of the
// same controls to the rectangles the layout gave them, and one FillRect of the client.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/Wnd.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr UINT kFirstId = 1000;
constexpr int kPerRow = 10;

// A top-level window with `count` edit controls, ten to a row, and its pane tree.
class ControlRows {
public:
    explicit ControlRows(int count) : m_layout(&m_wnd) {
        m_wnd.CreateEx(0, "Static", "rows", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 800, nullptr,
                       nullptr);
        KLayoutMgr::CPane root = m_layout.CreateRoot(layVertical);
        for (int row = 0; row * kPerRow < count; ++row) {
            KLayoutMgr::CPane line = m_layout.pane(layHorizontal);
            for (int i = row * kPerRow; i < count && i < (row + 1) * kPerRow; ++i) {
                const UINT id = kFirstId + static_cast<UINT>(i);
                m_controls.push_back(CreateWindowEx(
                    0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 60, 20, m_wnd.m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr));
                line << m_layout.item(id, layGreedy, 0, 0, 20, 12);
            }
            root << line;
        }
        m_layout.UpdateLayout();
        for (HWND control : m_controls) {
            CRect rect;
            ::GetWindowRect(control, &rect);
            m_wnd.ScreenToClient(&rect);
            m_rects.push_back(rect);
        }
    }
    ~ControlRows() { m_wnd.DestroyWindow(); }
    ControlRows(const ControlRows&) = delete;
    ControlRows& operator=(const ControlRows&) = delete;

    KLayoutMgr& Layout() { return m_layout; }
    CWnd& Wnd() { return m_wnd; }
    const std::vector<HWND>& Controls() const { return m_controls; }
    const std::vector<CRect>& Rects() const { return m_rects; }

private:
    CWnd m_wnd;
    KLayoutMgr m_layout;
    std::vector<HWND> m_controls;
    std::vector<CRect> m_rects;
};

void UpdateLayout(benchmark::State& state) {
    ControlRows rows(static_cast<int>(state.range(0)));
    for (auto _ : state)
        rows.Layout().UpdateLayout();
}

void PlainMoveWindow(benchmark::State& state) {
    ControlRows rows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (size_t i = 0; i < rows.Controls().size(); ++i) {
            const CRect& rect = rows.Rects()[i];
            ::MoveWindow(rows.Controls()[i], rect.left, rect.top, rect.Width(), rect.Height(),
                         TRUE);
        }
        rows.Wnd().Invalidate(TRUE);
    }
}

void EraseBkgnd(benchmark::State& state) {
    ControlRows rows(static_cast<int>(state.range(0)));
    CClientDC dc(&rows.Wnd());
    for (auto _ : state)
        rows.Layout().EraseBkgnd(&dc);
}

void PlainFillRect(benchmark::State& state) {
    ControlRows rows(static_cast<int>(state.range(0)));
    CClientDC dc(&rows.Wnd());
    CRect client;
    rows.Wnd().GetClientRect(&client);
    for (auto _ : state)
        dc.FillRect(&client, CBrush::FromHandle(GetSysColorBrush(COLOR_BTNFACE)));
}

} // namespace

BENCHMARK(UpdateLayout)->Arg(50)->Arg(200);
BENCHMARK(PlainMoveWindow)->Arg(50)->Arg(200);
BENCHMARK(EraseBkgnd)->Arg(50)->Arg(200);
BENCHMARK(PlainFillRect)->Arg(50)->Arg(200);
