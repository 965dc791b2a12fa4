#pragma once

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// Suspends the calling thread for at least `milliseconds`.
VORNUI_API void Sleep(DWORD milliseconds);
