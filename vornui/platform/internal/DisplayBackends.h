#pragma once

// Inside the desktop: the display backends the library was built with, each registered by
// name when the library loads, so that the window manager need not know them.

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/DesktopUser.h"

#include <memory>
#include <string>

// What opening a backend gives: the display, and the user who sits at it. The display is
// shared, so that a backend whose threads reach it outside the window manager's calls can
// keep it alive through a call when it is closed meanwhile.
struct OpenedDisplay {
    std::shared_ptr<IDesktopDisplay> display;
    std::unique_ptr<IDesktopUser> user;
};

// Opens a backend; on failure returns an empty display and says why in `error`.
using DisplayBackendOpener = OpenedDisplay (*)(const DesktopDisplaySettings& settings,
                                               std::string& error);

// Makes a backend known under `name`; returns true so that a static can hold the call.
bool RegisterDisplayBackend(const char* name, DisplayBackendOpener opener);
