// The window resizer: a window with 200 controls (mixed anchors, some docked, a split and a
// flow panel) is sized, and the hooked procedure lays the tree out and moves every control;
// beside it a plain loop that sizes the same window and moves the same 200 rectangles from
// stored offsets in one deferred batch. Both sides pay for sizing the window itself.

#include "vornui/layout/CWndResizer.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/platform/Wnd.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kControls = 200;
constexpr UINT kFirstId = 1000;
constexpr UINT kAnchors[] = {
    anchorLeft | anchorTop, anchorRight | anchorBottom, anchorLeft | anchorRight | anchorTop,
    anchorLeft | anchorTop | anchorRight | anchorBottom, anchorCenterHorz | anchorCenterVert};

// A top-level window with 200 static controls on a 20 x 10 grid.
class ControlGrid {
public:
    ControlGrid() {
        m_wnd.CreateEx(0, "Static", "grid", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 600, nullptr,
                       nullptr);
        for (int i = 0; i < kControls; ++i) {
            const CRect rect = Cell(i);
            m_rects.push_back(rect);
            CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                           rect.Width(), rect.Height(), m_wnd.m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstId + i)), nullptr,
                           nullptr);
        }
    }
    ~ControlGrid() { m_wnd.DestroyWindow(); }
    ControlGrid(const ControlGrid&) = delete;
    ControlGrid& operator=(const ControlGrid&) = delete;

    static CRect Cell(int i) {
        const int x = 10 + (i % 20) * 48;
        const int y = 10 + (i / 20) * 56;
        return CRect(x, y, x + 40, y + 48);
    }
    void Size(int width, int height) {
        SetWindowPos(m_wnd.m_hWnd, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CWnd* Wnd() { return &m_wnd; }
    const std::vector<CRect>& Rects() const { return m_rects; }

private:
    CWnd m_wnd;
    std::vector<CRect> m_rects;
};

void HookedResize(benchmark::State& state) {
    ControlGrid grid;
    CWndResizer resizer;
    resizer.Hook(grid.Wnd());
    CUIntArray flow;
    for (UINT i = 0; i < 10; ++i)
        flow.Add(kFirstId + 180 + i);
    resizer.CreateFlowLayoutPanel("flow", &flow, TRUE);
    resizer.SetAnchor("flow", anchorLeft | anchorRight | anchorBottom);
    resizer.CreateSplitContainer("split", kFirstId + 190, kFirstId + 191);
    resizer.SetAnchor("split", anchorLeft | anchorRight | anchorBottom);
    for (UINT i = 0; i < 4; ++i)
        resizer.SetDock(kFirstId + i, i % 2 ? dockTop : dockLeft);
    for (UINT i = 4; i < 180; ++i)
        resizer.SetAnchor(kFirstId + i, kAnchors[i % std::size(kAnchors)]);
    for (UINT i = 192; i < kControls; ++i)
        resizer.SetAnchor(kFirstId + i, kAnchors[i % std::size(kAnchors)]);
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        grid.Size(wide ? 1200 : 1000, wide ? 700 : 600);
    }
    resizer.Unhook();
}
BENCHMARK(HookedResize);

// What a window's own WM_SIZE handler would do by hand: each control's rectangle from its
// stored distances to the client's edges, all moved in one deferred batch.
void PlainDeferredMoves(benchmark::State& state) {
    ControlGrid grid;
    struct Offsets {
        int left;
        int top;
        int right;
        int bottom;
        UINT anchor;
    };
    std::vector<Offsets> offsets;
    CRect client;
    grid.Wnd()->GetClientRect(&client);
    for (size_t i = 0; i < grid.Rects().size(); ++i) {
        const CRect& rect = grid.Rects()[i];
        offsets.push_back(Offsets{rect.left, rect.top, client.right - rect.right,
                                  client.bottom - rect.bottom, kAnchors[i % std::size(kAnchors)]});
    }
    const HWND hwnd = grid.Wnd()->m_hWnd;
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        grid.Size(wide ? 1200 : 1000, wide ? 700 : 600);
        grid.Wnd()->GetClientRect(&client);
        HDWP batch = BeginDeferWindowPos(kControls);
        for (int i = 0; i < kControls; ++i) {
            const Offsets& at = offsets[static_cast<size_t>(i)];
            const CRect& designed = grid.Rects()[static_cast<size_t>(i)];
            CRect rect = designed;
            if (at.anchor & anchorRight)
                rect.right = client.right - at.right;
            if (at.anchor & anchorBottom)
                rect.bottom = client.bottom - at.bottom;
            if (!(at.anchor & anchorLeft))
                rect.left = rect.right - designed.Width();
            if (!(at.anchor & anchorTop))
                rect.top = rect.bottom - designed.Height();
            batch = DeferWindowPos(batch, GetDlgItem(hwnd, static_cast<int>(kFirstId + i)), nullptr,
                                   rect.left, rect.top, rect.Width(), rect.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
        EndDeferWindowPos(batch);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}
BENCHMARK(PlainDeferredMoves);

} // namespace
