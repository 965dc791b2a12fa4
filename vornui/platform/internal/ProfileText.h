#pragma once

// Reading and writing profile values the way the system does, shared by the profile-file
// functions and the application profile.

#include "vornui/platform/WinTypes.h"
#include "vornui/platform/internal/IniDocument.h"

DWORD CopyProfileString(const IniDocument& document, LPCTSTR section, LPCTSTR key,
                        LPCTSTR defaultText, LPTSTR returned, DWORD size);
// The integer the value stands for (decimal, or hex, octal or binary after 0x, 0o, 0b),
// wrapped to 32 bits, a negative number as its two's complement; `fallback` for a missing
// or empty one, or when section or key is null.
UINT ProfileInt(const IniDocument& document, LPCTSTR section, LPCTSTR key, INT fallback);
// A null key removes the section, a null value removes the key; `section` is not null.
void ApplyProfileWrite(IniDocument& document, LPCTSTR section, LPCTSTR key, LPCTSTR value);
