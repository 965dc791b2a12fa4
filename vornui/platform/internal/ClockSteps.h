#pragma once

#include "vornui/platform/WinTypes.h"

// Inside the desktop's time: who follows its steps. The multimedia timers' thread has to
// run what fell due before CSteppedClock::Advance returns, and the message queues have to
// look again at their timers and hover times.

// Whether a CSteppedClock holds the time.
bool IsDesktopTimeStepped();
// Moves stepped time on, as CSteppedClock::Advance does (the scripted user's rests step
// it too); running time is not moved.
void AdvanceSteppedTime(DWORD milliseconds);

enum class ClockFollower { MultimediaTimers, MessageQueues, Count };

// Called after every step and when the stepped clock lets the time run again; the
// follower returns once it has caught up with the new time (or, for the message queues,
// has woken every thread that waits). Null leaves the place empty.
void SetClockStepFollower(ClockFollower place, void (*follower)());
