#pragma once

// The system's profile-file functions over INI files. Section and key names match
// case-insensitively; values lose surrounding blanks and one pair of enclosing quotes.
// A write changes only the line concerned and creates the file and section if needed.
// Any content, however malformed or binary, is read without harm.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// Copies the value (or, with a null section or key, the list of section or key names,
// each ended by a zero byte, the list by another) into `returned`, cut to fit `size`.
// Returns the characters copied, without the final zero.
VORNUI_API DWORD GetPrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR defaultText,
                                         LPTSTR returned, DWORD size, LPCTSTR fileName);
VORNUI_API UINT GetPrivateProfileInt(LPCTSTR section, LPCTSTR key, INT defaultValue,
                                     LPCTSTR fileName);
// A null key removes the section, a null value removes the key.
VORNUI_API BOOL WritePrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value,
                                          LPCTSTR fileName);
