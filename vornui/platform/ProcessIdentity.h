#pragma once

// Who is running: the process, the calling thread and the user logged in.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

VORNUI_API DWORD GetCurrentProcessId();
// The system's id of the calling thread, unique among the process's living threads.
VORNUI_API DWORD GetCurrentThreadId();

// Copies the login name of the user running the process. `*size` holds the buffer's size
// and receives the characters copied with the final zero; when the buffer is too small it
// receives the size needed and the call fails with ERROR_INSUFFICIENT_BUFFER.
VORNUI_API BOOL GetUserName(LPTSTR buffer, LPDWORD size);
