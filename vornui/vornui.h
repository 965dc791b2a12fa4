#pragma once

// Everything the library offers, in one include.

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/resources/ResourceIds.h"
