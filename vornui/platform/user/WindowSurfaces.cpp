#include "vornui/platform/internal/WindowSurfaces.h"

#include "vornui/platform/LastError.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"

#include <map>
#include <mutex>

namespace {

struct Surfaces {
    std::mutex mutex;
    std::map<HWND, std::shared_ptr<PixelSurface>> byWindow;
};

Surfaces& AllSurfaces() {
    static Surfaces surfaces;
    return surfaces;
}

} // namespace

std::shared_ptr<PixelSurface> WindowSurfaceOf(HWND top) {
    CRect rect;
    GetWindowRect(top, &rect);
    Surfaces& surfaces = AllSurfaces();
    std::lock_guard lock(surfaces.mutex);
    // Surfaces of windows that are gone go too; looking must not change the last error.
    const DWORD lastError = GetLastError();
    std::erase_if(surfaces.byWindow, [](const auto& entry) { return !IsWindow(entry.first); });
    SetLastError(lastError);
    auto& surface = surfaces.byWindow[top];
    if (surface && surface->width() == rect.Width() && surface->height() == rect.Height())
        return surface;
    auto resized = std::make_shared<PixelSurface>(rect.Width(), rect.Height());
    if (surface)
        resized->copyFrom(*surface);
    surface = resized;
    return surface;
}
