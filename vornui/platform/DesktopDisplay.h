#pragma once

// The seam for a real display. The window manager tells the current display what happens
// to top-level windows, so that a backend can present them on a Linux screen; it feeds the
// person's mouse and keyboard back through DesktopInput.h and describes its monitors with
// SetScreenMonitors (Screen.h). The default display is headless and shows nothing.
// Calls arrive on the thread that owns the window.

#include "vornui/platform/Export.h"
#include "vornui/platform/WindowTypes.h"

#include <string>

class VORNUI_API IDesktopDisplay {
public:
    virtual ~IDesktopDisplay();
    // A top-level window was shown, hidden, moved, resized or restacked.
    virtual void TopLevelChanged(HWND window) = 0;
    // A top-level window is about to go away.
    virtual void TopLevelDestroyed(HWND window) = 0;
    // Part of a window (of any level) must be painted again: its update region grew, or its
    // whole frame waits for painting.
    virtual void ContentInvalidated(HWND window) = 0;
    // Pixels of a window's surface moved by scrolling, without painting; `client` bounds
    // where they landed, in the window's client coordinates.
    virtual void PixelsMoved(HWND window, const RECT& client);
};

// Presents nothing.
class VORNUI_API CHeadlessDisplay : public IDesktopDisplay {
public:
    void TopLevelChanged(HWND) override {}
    void TopLevelDestroyed(HWND) override {}
    void ContentInvalidated(HWND) override {}
};

// The current display; the headless one when none is installed.
VORNUI_API IDesktopDisplay& GetDesktopDisplay();
// Installs `display` (nullptr: the headless one again) and returns the one it replaces.
VORNUI_API IDesktopDisplay* SetDesktopDisplay(IDesktopDisplay* display);

// How to open a display backend.
struct DesktopDisplaySettings {
    // The server to show windows on (for X11 a display name such as ":1"); empty: the
    // one the environment names (DISPLAY).
    std::string server;
    // Whether the logical dpi (SetScreenDpi) follows the server's resolution.
    bool serverDpi = false;
};

// Opens the display backend `name` ("x11", when the library was built with it), makes its
// monitors the screen's and installs it together with a desktop user who is the person at
// that display (modal dialogs wait for them, message boxes show). It shows the windows of
// every thread; each thread's message loop serves its own. FALSE, with a line on standard
// error, when no backend has that name or it cannot reach its server.
VORNUI_API BOOL OpenDesktopDisplay(const char* name, const DesktopDisplaySettings& settings = {});
// Opens the backend that VORNUI_DISPLAY names ("x11"), if set and not "headless"; TRUE when a
// real display is on afterwards.
VORNUI_API BOOL OpenDesktopDisplayFromEnvironment();
// Closes what OpenDesktopDisplay opened, on the thread that opened it: the headless display
// and user are current again.
VORNUI_API void CloseDesktopDisplay();
