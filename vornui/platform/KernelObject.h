#pragma once

// Handles to the system's waitable objects: events, mutexes, threads and processes. A
// HANDLE names a KernelObject; CloseHandle lets it go. Waits follow the system's rules:
// WAIT_OBJECT_0 + i names the lowest signalled index when any one will do, a wait for all
// of them takes them together or not at all, and a mutex whose owner ended without
// releasing it is reported as WAIT_ABANDONED_0 + i.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#define WAIT_OBJECT_0 0x00000000u
#define WAIT_ABANDONED 0x00000080u
#define WAIT_ABANDONED_0 WAIT_ABANDONED
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu
#define MAXIMUM_WAIT_OBJECTS 64
#define STILL_ACTIVE 259L

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Every method runs with the one lock that guards all waitable objects held, so that a
// wait for several objects sees and takes them at one instant.
class VORNUI_API KernelObject {
public:
    virtual ~KernelObject();
    // Whether a wait by the calling thread would be satisfied now.
    virtual bool IsSignalled() const = 0;
    // Takes what a satisfied wait takes (an automatic event's signal, a mutex's
    // ownership); true when the wait is to be told the object was abandoned.
    virtual bool Satisfy();
};

VORNUI_API DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
VORNUI_API DWORD WaitForMultipleObjects(DWORD count, const HANDLE* objects, BOOL waitAll,
                                        DWORD milliseconds);
VORNUI_API BOOL CloseHandle(HANDLE object);
