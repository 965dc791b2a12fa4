#include "vornui/platform/internal/DisplayBackends.h"
#include "vornui/platform/internal/DisplayPerson.h"
#include "vornui/platform/internal/X11Display.h"

namespace {

OpenedDisplay OpenX11Display(const DesktopDisplaySettings& settings, std::string& error) {
    std::shared_ptr<X11Display> display = X11Display::Open(settings, error);
    if (!display)
        return {};
    return {std::move(display), std::make_unique<CDisplayPerson>()};
}

const bool g_registered = RegisterDisplayBackend("x11", OpenX11Display);

} // namespace
