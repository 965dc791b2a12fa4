#pragma once

// Inside the standard controls: how a control tells its parent.

#include "vornui/platform/internal/WindowInternals.h"

// WM_COMMAND with the control's id and `code`, sent to the parent.
void NotifyParent(HWND control, UINT code);
// WM_NOTIFY with a bare NMHDR for the control, sent to the parent; its answer.
LRESULT NotifyParentHeader(HWND control, UINT code);
