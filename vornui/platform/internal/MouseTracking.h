#pragma once

// Inside the window manager: the small loops the system runs while a mouse button is held
// down on a part it handles itself (a frame edge, the caption, a scroll bar, a caption
// button).

#include "vornui/platform/WindowTypes.h"

#include <functional>

// Captures the mouse for `hwnd` and runs the thread's messages until the button comes up:
// each move reaches `moved` with the pointer's screen position; every other message is
// dispatched. Returns false when Escape ended it. When no input waits any more the loop
// ends as if the button came up: a headless desktop never holds a button forever.
// `releasedAt` gets the pointer where it ended.
bool TrackMouseUntilRelease(HWND hwnd, const std::function<void(POINT screen)>& moved,
                            POINT& releasedAt);

// The system's loop that sizes `hwnd` by edge or corner `edge` (WMSZ_*), or moves it when
// `edge` is 0, while the button pressed at `screen` stays down: WM_ENTERSIZEMOVE,
// WM_GETMINMAXINFO, then for each move WM_SIZING (or WM_MOVING) with the proposed
// rectangle, which the window may change, and the move itself; WM_EXITSIZEMOVE at the end.
// Escape puts the window back where it was.
void RunSizeMoveLoop(HWND hwnd, UINT edge, POINT screen);
