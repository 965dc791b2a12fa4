#pragma once

// Inside the desktop: the windows of the file and folder choosers live with the standard
// controls, which register them here when the library loads, so that the choosers need
// not know the controls.

#include "vornui/platform/CString.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FolderChooser.h"

#include <functional>
#include <vector>

// The chooser's checks on the full paths the person chose (a file that must exist, one to
// be replaced); they ask the person over the chooser's window where one fails, and say
// whether the window may close.
using FileChoiceCheck = std::function<bool(HWND chooser, const std::vector<CString>& paths)>;

// Shows the file chooser's window modally and returns the full paths the check accepted;
// none when the person cancelled.
using FileChooserWindow = std::vector<CString> (*)(const FileChooserRequest& request,
                                                   const FileChoiceCheck& check);
// Shows the folder chooser's window modally, talking to the caller's callback as the
// system's does, and returns the folder chosen; empty when the person cancelled.
using FolderChooserWindow = CString (*)(const BROWSEINFO& info);

// Return true so that a static can hold the call.
bool RegisterFileChooserWindow(FileChooserWindow window);
bool RegisterFolderChooserWindow(FolderChooserWindow window);

// The registered window when choosers show windows (ChooserWindows.h); null otherwise.
FileChooserWindow FileChooserWindowShown();
FolderChooserWindow FolderChooserWindowShown();
