#pragma once

// What a person does to a modeless window, as queued input: it takes effect when someone
// pumps the thread's messages (the window's own polling, typically).

#include "vornui/platform/Window.h"

// Presses and releases the left button over the middle of `control`.
void QueueClick(HWND control);
// Presses and releases `virtualKey` (the focus window gets it).
void QueueKey(UINT virtualKey);
