#pragma once

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// The calling thread's last system error code.
VORNUI_API DWORD GetLastError();
VORNUI_API void SetLastError(DWORD code);
// Translates a C library errno value into the nearest system error code.
VORNUI_API DWORD SystemErrorFromErrno(int error);
