#pragma once

// Inside the X11 display: every thread whose windows are on the display waits on its
// connection in its message loop. The link is that thread's wait source; it lives as long as
// the thread and serves whichever display is open.

#include <memory>

class X11Display;

// The open display, held for the length of a call; null when none is open.
std::shared_ptr<X11Display> CurrentX11Display();
// Makes `display` the open one; it stays open while someone holds it.
void SetCurrentX11Display(const std::shared_ptr<X11Display>& display);
// From now on the calling thread's loop serves the display.
void LinkThreadToX11Display();
