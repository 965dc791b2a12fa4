#pragma once

// Inside the desktop: the display backends the library was built with, each registered by
// name when the library loads, so that the window manager need not know them.

#include "vornui/platform/DesktopDisplay.h"
#include "vornui/platform/DesktopUser.h"

#include <memory>
#include <string>

// What opening a backend gives: the display, and the user who sits at it.
struct OpenedDisplay {
    std::unique_ptr<IDesktopDisplay> display;
    std::unique_ptr<IDesktopUser> user;
};

// Opens a backend; on failure returns an empty display and says why in `error`.
using DisplayBackendOpener = OpenedDisplay (*)(const DesktopDisplaySettings& settings,
                                               std::string& error);

// Makes a backend known under `name`; returns true so that a static can hold the call.
bool RegisterDisplayBackend(const char* name, DisplayBackendOpener opener);
