#pragma once

// Waiting for kernel objects on a thread that has windows: the wait also ends when the
// thread's queue has input of the kinds asked for, so that the thread can pump it and
// wait again. Input counts while it waits in the queue (as with MWMO_INPUTAVAILABLE).

#include "vornui/platform/Export.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

#define QS_KEY 0x0001
#define QS_MOUSEMOVE 0x0002
#define QS_MOUSEBUTTON 0x0004
#define QS_POSTMESSAGE 0x0008
#define QS_TIMER 0x0010
#define QS_PAINT 0x0020
#define QS_SENDMESSAGE 0x0040
#define QS_HOTKEY 0x0080
#define QS_MOUSE (QS_MOUSEMOVE | QS_MOUSEBUTTON)
#define QS_INPUT (QS_MOUSE | QS_KEY)
#define QS_ALLEVENTS (QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_HOTKEY)
#define QS_ALLINPUT (QS_ALLEVENTS | QS_SENDMESSAGE)

// WAIT_OBJECT_0 + i as WaitForMultipleObjects answers, WAIT_OBJECT_0 + count when input
// is there, WAIT_TIMEOUT or WAIT_FAILED. With `waitAll`, the objects and input together.
VORNUI_API DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll,
                                           DWORD milliseconds, DWORD wakeMask);
