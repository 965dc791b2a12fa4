#include "vornui/platform/DesktopDisplay.h"

#include <atomic>

namespace {

std::atomic<IDesktopDisplay*> g_display{nullptr};

} // namespace

IDesktopDisplay::~IDesktopDisplay() = default;

void IDesktopDisplay::PixelsMoved(HWND, const RECT&) {}

IDesktopDisplay& GetDesktopDisplay() {
    static CHeadlessDisplay headless;
    IDesktopDisplay* display = g_display.load();
    return display ? *display : headless;
}

IDesktopDisplay* SetDesktopDisplay(IDesktopDisplay* display) {
    return g_display.exchange(display);
}
