#pragma once

// The library as a module of the host's framework: its handle, its version, and the
// guard that makes its resources the current ones for a scope.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Resources.h"

// The library's own module (its resources), valid while the library is loaded.
VORNUI_API HMODULE GetVornuiModule();
// The library's version, "major.minor.patch".
VORNUI_API const char* GetVornuiVersion();

// Makes the library's module the current resource module for the guard's lifetime and
// restores the module that was current before.
class VORNUI_API KResourceScope {
public:
    KResourceScope();
    ~KResourceScope();
    KResourceScope(const KResourceScope&) = delete;
    KResourceScope& operator=(const KResourceScope&) = delete;

private:
    HINSTANCE m_hPrevious;
};

// One of the library's own strings, loaded with the library's resources current;
// empty when the id is unknown.
VORNUI_API CString LoadVornuiString(UINT id);
