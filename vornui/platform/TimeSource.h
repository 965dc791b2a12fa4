#pragma once

// The desktop's time: milliseconds on a clock that only runs forward. Message times,
// GetTickCount, timeGetTime and the multimedia timers read it. A test that holds a
// CSteppedClock stops it and moves it on by hand, so that time-driven behaviour is tested
// without waiting for real time to pass.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

VORNUI_API ULONGLONG DesktopTimeMilliseconds();

// While one lives, the desktop's time stands still except when Advance moves it; after
// it, time runs on from where the steps left it. One at a time.
class VORNUI_API CSteppedClock {
public:
    CSteppedClock();
    ~CSteppedClock();
    CSteppedClock(const CSteppedClock&) = delete;
    CSteppedClock& operator=(const CSteppedClock&) = delete;

    // Moves the time on; the multimedia timers that fall due by then have run (each as
    // often as it fell due) when it returns.
    void Advance(DWORD milliseconds);
};
