// Presenting a top-level window on an X server (an Xvfb of the benchmark's own): the X11
// display presenting what was invalidated, beside a plain xcb_put_image of the same number
// of pixels on a connection of its own, for a whole 1920x1080 window and for a 100x30 part.
// Each plain put waits for the server to take it, as the display's next present does.

#include "tests/x11/XvfbServer.h"

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr RECT kPart{700, 500, 800, 530};

LRESULT CALLBACK PaintNothing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND)
        return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// The server, the display open on it and a window that fills its screen.
struct Screen {
    Screen() {
        if (!XvfbServer::Installed())
            return;
        server =
            std::make_unique<XvfbServer>(std::vector<std::string>{"-screen", "0", "1920x1080x24"});
        DesktopDisplaySettings settings;
        settings.server = server->display();
        if (server->display().empty() || !OpenDesktopDisplay("x11", settings))
            return;
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = PaintNothing;
        windowClass.lpszClassName = "VornuiBenchPresent";
        RegisterClass(&windowClass);
        window = CreateWindowEx(0, "VornuiBenchPresent", "Present", WS_POPUP | WS_VISIBLE, 0, 0,
                                kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
        Pump();
    }
    static void Pump() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }
    std::unique_ptr<XvfbServer> server;
    HWND window = nullptr;
};

Screen& TheScreen() {
    static Screen screen;
    return screen;
}

void Present(benchmark::State& state, const RECT* part) {
    Screen& screen = TheScreen();
    if (!screen.window) {
        state.SkipWithError("no Xvfb to present on");
        return;
    }
    for (auto _ : state) {
        InvalidateRect(screen.window, part, FALSE);
        Screen::Pump();
    }
}

// The same pixels, put by hand on a window of the same size, on the same server.
void PlainPut(benchmark::State& state, int width, int height) {
    Screen& screen = TheScreen();
    if (!screen.window) {
        state.SkipWithError("no Xvfb to present on");
        return;
    }
    xcb_connection_t* connection = xcb_connect(screen.server->display().c_str(), nullptr);
    xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_get_maximum_request_length(connection); // big requests: a whole window in one put
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root->root, 0, 0, kWidth, kHeight,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, root->root_visual, 0, nullptr);
    xcb_map_window(connection, window);
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, window, 0, nullptr);
    const std::vector<uint32_t> pixels(size_t(width) * height, 0x00336699);
    for (auto _ : state) {
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, width, height, 0, 0, 0,
                      root->root_depth, pixels.size() * 4,
                      reinterpret_cast<const uint8_t*>(pixels.data()));
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_disconnect(connection);
}

void BM_DisplayPresentsWholeWindow(benchmark::State& state) {
    Present(state, nullptr);
}
void BM_PlainPutWholeWindow(benchmark::State& state) {
    PlainPut(state, kWidth, kHeight);
}
void BM_DisplayPresentsPart100x30(benchmark::State& state) {
    Present(state, &kPart);
}
void BM_PlainPutPart100x30(benchmark::State& state) {
    PlainPut(state, kPart.right - kPart.left, kPart.bottom - kPart.top);
}

} // namespace

BENCHMARK(BM_DisplayPresentsWholeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainPutWholeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DisplayPresentsPart100x30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainPutPart100x30)->Unit(benchmark::kMicrosecond);
