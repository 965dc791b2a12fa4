#pragma once

// Window classes for tests: registered on first use, once per process, so that any test may
// ask for its class again.

#include "vornui/platform/Window.h"

// The class `name` with `proc` as its windows' procedure (the system's default when none is
// given); null when the name is taken by a class with another procedure.
LPCTSTR TestWindowClass(LPCTSTR name, WNDPROC proc = DefWindowProc);
