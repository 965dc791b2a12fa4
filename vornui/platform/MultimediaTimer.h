#pragma once

// The multimedia timers: one-shot or periodic callbacks on the timers' own thread, timed
// by the desktop's time (TimeSource.h). A periodic timer that falls behind catches up one
// period at a time. No callback of a timer runs after timeKillEvent for it has returned
// (unless the callback itself kills its timer).

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowTypes.h"

#define TIME_ONESHOT 0x0000
#define TIME_PERIODIC 0x0001
#define TIME_CALLBACK_FUNCTION 0x0000
#define TIME_CALLBACK_EVENT_SET 0x0010
#define TIME_KILL_SYNCHRONOUS 0x0100

#define TIMERR_NOERROR 0
#define TIMERR_NOCANDO 97
#define MMSYSERR_INVALPARAM 11

using MMRESULT = UINT;
using LPTIMECALLBACK = void (*)(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                                DWORD_PTR reserved2);

struct TIMECAPS {
    UINT wPeriodMin;
    UINT wPeriodMax;
};
using LPTIMECAPS = TIMECAPS*;

// `delay` milliseconds from 1 to 1000000. With TIME_CALLBACK_EVENT_SET, `callback` is an
// event handle that the timer sets instead. Returns the timer's id, or 0.
VORNUI_API MMRESULT timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback,
                                 DWORD_PTR user, UINT flags);
VORNUI_API MMRESULT timeKillEvent(UINT timerId);
// The desktop's time in milliseconds, wrapping as a DWORD.
VORNUI_API DWORD timeGetTime();
// The resolution the caller asks for; the desktop's clock already counts single
// milliseconds, so a valid period (1 or more) changes nothing.
VORNUI_API MMRESULT timeBeginPeriod(UINT period);
VORNUI_API MMRESULT timeEndPeriod(UINT period);
VORNUI_API MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT size);
