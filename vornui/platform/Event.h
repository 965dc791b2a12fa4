#pragma once

// The system's event objects. A manual-reset event stays signalled until ResetEvent and
// releases every waiter; an automatic one releases a single waiter and resets itself.
// Named events are shared by every CreateEvent with the same name in the process.

#include "vornui/platform/Export.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

VORNUI_API HANDLE CreateEvent(SECURITY_ATTRIBUTES* security, BOOL manualReset, BOOL initialState,
                              LPCTSTR name);
VORNUI_API BOOL SetEvent(HANDLE event);
VORNUI_API BOOL ResetEvent(HANDLE event);
