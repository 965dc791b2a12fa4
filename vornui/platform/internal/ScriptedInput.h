#pragma once

// Inside the scripted user: input as its steps produce it.

#include "vornui/platform/WindowTypes.h"

// A left click at `screen`, queued as input for the thread of `window`.
void PostClick(HWND window, POINT screen);
