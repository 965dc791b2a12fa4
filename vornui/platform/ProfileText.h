#pragma once

// Reading profile values into the callers' buffers, shared by the profile-file
// functions and the application profile.

#include "vornui/platform/IniDocument.h"
#include "vornui/platform/WinTypes.h"

#include <optional>
#include <string>

// The value as the system hands it out: enclosing quotes removed.
std::string ProfileValueText(std::string value);
// The integer a profile value stands for (decimal, or 0x hex); `fallback` for an empty one.
UINT ProfileValueToUInt(const std::optional<std::string>& value, INT fallback);

DWORD CopyProfileString(const IniDocument& document, LPCTSTR section, LPCTSTR key,
                        LPCTSTR defaultText, LPTSTR returned, DWORD size);
