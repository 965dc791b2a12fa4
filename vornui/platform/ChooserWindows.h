#pragma once

// Whether the file and folder choosers (GetOpenFileName, GetSaveFileName, CFileDialog,
// SHBrowseForFolder) show windows of their own, in which the desktop's user browses,
// types and presses Open, as a person at a real display does; or ask the desktop's user
// for an answer directly (DesktopUser.h), as the headless desktop and the scripted user's
// queued answers do. Off unless a real display is open (OpenDesktopDisplay turns it on
// while it lasts) or the host turns it on, to see or picture the windows without one.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// Returns the setting it replaces.
VORNUI_API BOOL SetChooserWindows(BOOL show);
VORNUI_API BOOL GetChooserWindows();
