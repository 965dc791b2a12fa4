#pragma once

// Inside the desktop's time: who follows its steps. The multimedia timers' thread has to
// run what fell due before CSteppedClock::Advance returns.

// Whether a CSteppedClock holds the time.
bool IsDesktopTimeStepped();
// Called after every step and when the stepped clock lets the time run again; the
// follower returns once it has caught up with the new time.
void SetClockStepFollower(void (*follower)());
