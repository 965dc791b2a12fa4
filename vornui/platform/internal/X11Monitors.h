#pragma once

// Inside the X11 display: the server's monitors (RandR) as the screen's monitors.

#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/internal/XcbConnection.h"

#include <vector>

// The monitors RandR reports, the primary first marked; the whole screen as one monitor
// when the server reports none. Work areas are the monitors, less what the window
// manager's _NET_WORKAREA leaves out of the primary one.
std::vector<ScreenMonitor> ReadX11Monitors(XcbConnection& connection);
// Asks the server to say when its monitors change (RRScreenChangeNotify); false without
// RandR.
bool WatchX11Monitors(XcbConnection& connection);
// Whether `event` is RandR's notice that the monitors changed.
bool IsX11MonitorChange(XcbConnection& connection, const xcb_generic_event_t& event);
// The server's resolution in dots per inch, from the screen's size in millimetres.
int X11ScreenDpi(const xcb_screen_t& screen);
