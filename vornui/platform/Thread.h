#pragma once

// Threads as the system has them: a handle that is signalled when the thread ends, an exit
// code that reads STILL_ACTIVE until then, and a start that may wait for ResumeThread.

#include "vornui/platform/Export.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

#define CREATE_SUSPENDED 0x00000004
#define THREAD_PRIORITY_NORMAL 0
#ifndef WINAPI
#define WINAPI
#endif

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID parameter);

// `*threadId` (when not null) receives the id GetCurrentThreadId gives inside the thread.
VORNUI_API HANDLE CreateThread(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                               LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD flags,
                               LPDWORD threadId);
// Returns the suspend count before the call, or (DWORD)-1 for a bad handle.
VORNUI_API DWORD ResumeThread(HANDLE thread);
VORNUI_API BOOL GetExitCodeThread(HANDLE thread, LPDWORD exitCode);
// Priorities are the scheduler's business here; the call only checks the handle.
VORNUI_API BOOL SetThreadPriority(HANDLE thread, int priority);
