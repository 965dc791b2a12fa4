#pragma once

// The system's mutex: owned by one thread at a time, recursively; a mutex whose owner
// thread ends without releasing it is abandoned, and the next wait gets it with
// WAIT_ABANDONED. Named mutexes are shared by every CreateMutex with the same name in the
// process (the second and later creations report ERROR_ALREADY_EXISTS); the stand-in does
// not reach other processes. Waits go through WaitForSingleObject, with their bound.

#include "vornui/platform/Export.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

// A null or empty name makes a mutex of its own.
VORNUI_API HANDLE CreateMutex(SECURITY_ATTRIBUTES* security, BOOL initialOwner, LPCTSTR name);
// Fails with ERROR_NOT_OWNER when the calling thread does not own the mutex.
VORNUI_API BOOL ReleaseMutex(HANDLE mutex);

#define ERROR_NOT_OWNER 288L
