#pragma once

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

// The suite's home folder, derived from where module `moduleName` (a loaded shared object,
// or the host program when null) lies: its folder, one level higher when that folder's
// name begins with "bin" in any case (/opt/vorn/Bin/nav gives /opt/vorn). Either separator
// counts. Writes it with its zero to `buffer` and returns its length; 0 when the module is
// not loaded or the folder and its zero do not fit, and then nothing is written.
VORNUI_API int GetHomeDir(LPTSTR buffer, int bufferSize, LPCTSTR moduleName);
