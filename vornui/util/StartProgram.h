#pragma once

// Starting other programs from Windows command lines, and the two shell chores built on
// it. The line is split into arguments by the system's rules and never goes through a
// shell; the system programs named here (explorer, notepad) start their Linux
// counterparts (see vornui/platform/SystemPrograms.h).

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// Starts the program and does not wait for it. S_OK, or E_FAIL after telling the user: a
// line of 2049 characters or more is refused as too long; a program that could not be
// started gives its system error code (2: not found, 5: access denied).
VORNUI_API HRESULT StartWindowsApp(LPCTSTR commandLine);

// Starts the program in a session of its own with no input (/dev/null), so that it
// outlives the host and the host's Ctrl+C. The Windows console's title and minimised
// window have no meaning here and are dropped. S_OK, or E_FAIL without a word.
VORNUI_API HRESULT StartWinProcessDetached(LPCTSTR commandLine);

// Opens the file manager on the file's folder. The path reaches it as one argument, or
// the start fails with the user told.
VORNUI_API HRESULT OpenContainingFolder(LPCTSTR path);
// Opens the file in the user's plain text editor, with the same care for the path.
VORNUI_API HRESULT OpenFileInNotepad(LPCTSTR path);
