#pragma once

// Everything the library offers, in one include.

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/CodePage.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ProfileFile.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/resources/ResourceIds.h"
#include "vornui/units/KUnits.h"
