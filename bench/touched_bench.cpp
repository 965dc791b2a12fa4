// Touched tracking: EN_CHANGE commands from an edit on a live modeless sheet go through a
// KPropertyPage (the control's class looked up, its id recorded, the tab text marked, the
// command relayed to a listener window, then the message map) and, beside it, through a
// plain CPropertyPage on an identical sheet, which only routes them through its map.

#include "vornui/platform/EditControl.h"
#include "vornui/platform/PropertySheet.h"
#include "vornui/properties/KPropertyPage.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

constexpr int kDepth = 100;
constexpr int kCommands = 100000;

constexpr DialogItemTemplate kItems[] = {
    {"Edit", "", kDepth, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 60, 12},
};
constexpr DialogTemplate kPage{
    DS_SETFONT | WS_CHILD | WS_CAPTION,  0, 0, 0, 160, 60, "General", "MS Shell Dlg", 8, kItems,
    static_cast<WORD>(std::size(kItems))};

// A listener that takes every command.
class Listener : public CWnd {
public:
    Listener() { CreateEx(0, nullptr, "listener", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0); }
    BOOL OnCommand(WPARAM, LPARAM) override {
        ++m_heard;
        return TRUE;
    }
    long m_heard = 0;
};

template <class Page>
void SendChanges(benchmark::State& state, Page& page, CPropertySheet& sheet) {
    page.m_psp.dwFlags |= PSP_DLGINDIRECT;
    page.m_psp.pResource = &kPage;
    sheet.AddPage(&page);
    sheet.Create();
    const HWND edit = ::GetDlgItem(page.m_hWnd, kDepth);
    const WPARAM change = MAKEWPARAM(kDepth, EN_CHANGE);
    for (auto _ : state)
        for (int i = 0; i < kCommands; ++i)
            page.SendMessage(WM_COMMAND, change, reinterpret_cast<LPARAM>(edit));
    state.SetItemsProcessed(state.iterations() * kCommands);
    sheet.DestroyWindow();
}

void TouchedPage(benchmark::State& state) {
    Listener listener;
    KPropertyPage page;
    page.SetListener2Notify(listener.m_hWnd);
    CPropertySheet sheet("Touched");
    SendChanges(state, page, sheet);
    benchmark::DoNotOptimize(listener.m_heard);
}

void PlainPage(benchmark::State& state) {
    CPropertyPage page;
    CPropertySheet sheet("Plain");
    SendChanges(state, page, sheet);
}

BENCHMARK(TouchedPage)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainPage)->Unit(benchmark::kMillisecond);

} // namespace
