#pragma once

// Folders: testing and creating them, and letting the user choose one.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"

// 1 when `path` exists and is a folder, else 0.
VORNUI_API int dirExist(LPCTSTR path);

// Creates the folder and every missing folder above it. False when anything could not be
// created, and also when the folder was already there.
VORNUI_API bool CreateDirectoryRecursively(LPCTSTR folder);

// The folder browser, owned by `parent` (or the thread's main window) and opened on
// `initialFolder`, with a button for new folders. The chosen folder, or empty when the
// user cancels.
VORNUI_API CString ChooseDirectory(LPCTSTR initialFolder, CWnd* parent = nullptr);
// The same with `title` above the folders (when not empty) and no new-folder button.
VORNUI_API CString ChooseDirectory2(LPCTSTR initialFolder, LPCTSTR title, CWnd* parent = nullptr);
