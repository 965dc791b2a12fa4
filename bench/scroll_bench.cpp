// Scrolling: a window over a document of 10,000 lines of text scrolled one line at a time,
// by moving its pixels with ScrollWindowEx and painting the line it uncovers, beside
// painting the whole client area again for every line.

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/SystemBrushes.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowScrolling.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kLines = 10000;
constexpr int kLineHeight = 16;

int g_top = 0; // the document line at the top of the client area

LRESULT DocumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC hdc = BeginPaint(hwnd, &paint);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    for (int row = paint.rcPaint.top / kLineHeight; row * kLineHeight < paint.rcPaint.bottom;
         ++row) {
        const int line = g_top + row;
        if (line >= kLines)
            break;
        char text[64];
        std::snprintf(text, sizeof text, "%05d  E 512%03d.2  N 6734%03d.8  depth %5.2f m", line,
                      line % 1000, (line * 7) % 1000, 20.0 + (line % 37) * 0.25);
        TextOut(hdc, 4, row * kLineHeight, text, static_cast<int>(std::strlen(text)));
    }
    EndPaint(hwnd, &paint);
    return 0;
}

HWND OpenDocument() {
    static const char* const className = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DocumentProc;
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = "VornuiBenchDocument";
        RegisterClass(&wc);
        return "VornuiBenchDocument";
    }();
    const HWND hwnd =
        CreateWindowEx(0, className, "Document", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 0,
                       0, 480, 360, nullptr, nullptr, nullptr, nullptr);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, kLines - 1, 20, 0, 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    g_top = 0;
    UpdateWindow(hwnd);
    return hwnd;
}

// One line down, back to the top at the end of the document.
bool NextLine(HWND hwnd) {
    if (++g_top < kLines - 20) {
        SetScrollPos(hwnd, SB_VERT, g_top, TRUE);
        return true;
    }
    g_top = 0;
    SetScrollPos(hwnd, SB_VERT, 0, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
    return false;
}

void BM_ScrollWindowEx(benchmark::State& state) {
    const HWND hwnd = OpenDocument();
    for (auto _ : state) {
        if (NextLine(hwnd))
            ScrollWindowEx(hwnd, 0, -kLineHeight, nullptr, nullptr, nullptr, nullptr,
                           SW_INVALIDATE | SW_ERASE);
        UpdateWindow(hwnd);
    }
    DestroyWindow(hwnd);
}
BENCHMARK(BM_ScrollWindowEx);

void BM_RepaintWhole(benchmark::State& state) {
    const HWND hwnd = OpenDocument();
    for (auto _ : state) {
        NextLine(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }
    DestroyWindow(hwnd);
}
BENCHMARK(BM_RepaintWhole);

} // namespace
