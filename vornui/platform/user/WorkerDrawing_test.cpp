#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/WindowClass.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr COLORREF kPainted = RGB(128, 128, 128);

LRESULT CALLBACK PaintGrey(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hwnd, &paint);
    HBRUSH grey = CreateSolidBrush(kPainted);
    FillRect(hdc, &paint.rcPaint, grey);
    DeleteObject(grey);
    EndPaint(hwnd, &paint);
    return 0;
}

void FillClient(HWND hwnd, COLORREF color) {
    HDC hdc = GetDC(hwnd);
    CRect client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, hdc);
}

COLORREF PixelOf(HWND hwnd, int x, int y) {
    HDC hdc = GetDC(hwnd);
    const COLORREF color = GetPixel(hdc, x, y);
    ReleaseDC(hwnd, hdc);
    return color;
}

} // namespace

// An animation thread draws into a window of the user-interface thread through a DC of
// its own while that thread keeps painting the same pixels: both go through the window's
// surface one drawing at a time (a thread sanitizer run holds us to it), and what a worker
// draws is what the window shows.
TEST(WorkerDrawing, AWorkerDrawsIntoAWindowWhileItsThreadPaints) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = PaintGrey;
    windowClass.lpszClassName = "WorkerCanvas";
    ASSERT_TRUE(RegisterClass(&windowClass));
    HWND hwnd = CreateWindow("WorkerCanvas", "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    UpdateWindow(hwnd);
    ASSERT_EQ(PixelOf(hwnd, 30, 20), kPainted);

    constexpr int kFrames = 200;
    std::atomic<bool> done{false};
    std::thread animation([&] {
        for (int frame = 0; frame < kFrames; ++frame)
            FillClient(hwnd, frame % 2 ? RGB(0, 255, 0) : RGB(255, 0, 0));
        done = true;
    });
    int repaints = 0;
    while (!done || repaints == 0) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        ++repaints;
    }
    animation.join();
    // A frame drawn while the window's thread waits is what the window shows.
    std::thread([&] { FillClient(hwnd, RGB(0, 0, 255)); }).join();
    EXPECT_EQ(PixelOf(hwnd, 30, 20), RGB(0, 0, 255));

    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_EQ(PixelOf(hwnd, 30, 20), kPainted);
    DestroyWindow(hwnd);
    UnregisterClass("WorkerCanvas", nullptr);
}
