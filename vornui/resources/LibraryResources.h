#pragma once

#include "vornui/platform/Resources.h"

// Puts every compiled-in resource of the library into the library module's table. Each
// kind of resource has its own registration function, called from here.
void RegisterLibraryResources(HMODULE library);

void RegisterEditorDialogs(HMODULE library);
void RegisterEditorIcons(HMODULE library);
void RegisterLibraryListBitmaps(HMODULE library);
void RegisterLibraryStrings(HMODULE library);
void RegisterPortDialog(HMODULE library);
void RegisterReportingTemplates(HMODULE library);
