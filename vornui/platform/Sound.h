#pragma once

// The desktop's sounds. The headless desktop has no speaker: it writes down every sound it
// is asked to play, in order, so that a program's tests can hear what a person would.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <vector>

// Plays the sound of a message box of this icon type (MB_ICONHAND, MB_ICONQUESTION,
// MB_ICONEXCLAMATION, MB_ICONASTERISK, MB_OK) or the simple beep (0xFFFFFFFF).
VORNUI_API BOOL MessageBeep(UINT type);

// The types MessageBeep was asked to play, oldest first, since the last ForgetMessageBeeps
// (the latest 256 of them).
VORNUI_API std::vector<UINT> MessageBeepsPlayed();
VORNUI_API void ForgetMessageBeeps();
