#pragma once

// Handles to the system's waitable objects (mutexes, and whatever else comes to need a
// handle). A HANDLE points at a KernelObject; CloseHandle releases it.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#define WAIT_OBJECT_0 0x00000000u
#define WAIT_ABANDONED 0x00000080u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu

class VORNUI_API KernelObject {
public:
    virtual ~KernelObject();
    // Waits at most `milliseconds` (INFINITE: for ever) and returns a WAIT_* result.
    virtual DWORD Wait(DWORD milliseconds) = 0;
};

// The object behind a handle; null, with ERROR_INVALID_HANDLE, for a null or invalid one.
VORNUI_API KernelObject* KernelObjectOf(HANDLE handle);

VORNUI_API DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
VORNUI_API BOOL CloseHandle(HANDLE object);
