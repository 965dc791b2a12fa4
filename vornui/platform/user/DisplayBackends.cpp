#include "vornui/platform/internal/DisplayBackends.h"

#include "vornui/platform/ChooserWindows.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

namespace {

struct Backends {
    std::mutex mutex;
    std::map<std::string, DisplayBackendOpener> openers;
    OpenedDisplay opened;
    IDesktopDisplay* previousDisplay = nullptr;
    IDesktopUser* previousUser = nullptr;
    BOOL previousChooserWindows = FALSE;
};

Backends& AllBackends() {
    static Backends backends;
    return backends;
}

} // namespace

bool RegisterDisplayBackend(const char* name, DisplayBackendOpener opener) {
    Backends& backends = AllBackends();
    std::lock_guard lock(backends.mutex);
    backends.openers[name] = opener;
    return true;
}

BOOL OpenDesktopDisplay(const char* name, const DesktopDisplaySettings& settings) {
    Backends& backends = AllBackends();
    std::unique_lock lock(backends.mutex);
    const auto found = backends.openers.find(name ? name : "");
    if (found == backends.openers.end()) {
        std::fprintf(stderr, "vornui: no display \"%s\" in this build; windows stay headless\n",
                     name ? name : "");
        return FALSE;
    }
    const DisplayBackendOpener opener = found->second;
    lock.unlock();
    CloseDesktopDisplay();
    std::string error;
    OpenedDisplay opened = opener(settings, error);
    if (!opened.display) {
        std::fprintf(stderr, "vornui: display \"%s\" cannot open: %s\n", name, error.c_str());
        return FALSE;
    }
    lock.lock();
    backends.previousDisplay = SetDesktopDisplay(opened.display.get());
    backends.previousUser = opened.user ? SetDesktopUser(opened.user.get()) : nullptr;
    // The person at the display chooses files in windows, as everywhere else.
    backends.previousChooserWindows = SetChooserWindows(TRUE);
    backends.opened = std::move(opened);
    return TRUE;
}

BOOL OpenDesktopDisplayFromEnvironment() {
    const char* name = std::getenv("VORNUI_DISPLAY");
    if (!name || !*name || std::string(name) == "headless")
        return FALSE;
    return OpenDesktopDisplay(name);
}

void CloseDesktopDisplay() {
    Backends& backends = AllBackends();
    std::lock_guard lock(backends.mutex);
    if (!backends.opened.display)
        return;
    if (backends.opened.user)
        SetDesktopUser(backends.previousUser);
    SetDesktopDisplay(backends.previousDisplay);
    SetChooserWindows(backends.previousChooserWindows);
    backends.opened = OpenedDisplay{};
}
