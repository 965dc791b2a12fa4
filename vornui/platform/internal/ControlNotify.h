#pragma once

// Inside the standard controls: how a control reads its style and tells its parent.

#include "vornui/platform/WindowTypes.h"

DWORD StyleOf(HWND control);
// WM_COMMAND with the control's id and `code`, sent to the parent.
void NotifyParent(HWND control, UINT code);
// WM_NOTIFY with a bare NMHDR for the control, sent to the parent; its answer.
LRESULT NotifyParentHeader(HWND control, UINT code);
