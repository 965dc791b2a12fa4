#pragma once

// Inside the framework: the window class of frames and views made without a class of
// their own (the framework registers one such class, as the system's framework does).

#include "vornui/platform/WinTypes.h"

LPCTSTR FrameOrViewClass();
