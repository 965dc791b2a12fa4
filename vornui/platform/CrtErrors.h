#pragma once

// The C runtime's table of error texts under the runtime's own names: _sys_nerr texts,
// the one for errno value n being _sys_errlist[n].

#include "vornui/platform/Export.h"

VORNUI_API int CrtErrorTextCount();
VORNUI_API const char* const* CrtErrorTexts();

#define _sys_nerr (CrtErrorTextCount())
#define _sys_errlist (CrtErrorTexts())
