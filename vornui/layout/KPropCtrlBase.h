#pragma once

// The base of a host's property control. The window resizer only needs it to be a window it
// can move over its reference window; everything else is the deriving host's.

#include "vornui/platform/Export.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API KPropCtrlBase : public CWnd {};
