#pragma once

// Starting the template editor "FormatWizard": its command lines, and the store folder the
// sound-velocity templates need before a first template can be made.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

// The command line that makes a new template of `module` from an example data file.
VORNUI_API CString FormatNewTemplateCommand(const char* module, const char* exampleFile);
// The command line that edits template `templateName` of `module`.
VORNUI_API CString FormatEditTemplateCommand(const char* module, const char* exampleFile,
                                             const char* templateName);

// Makes sure the templates root and the "Terral_SVP" folder exist, asking before the root
// is created and seeding a new folder with the suite's meta template (VORNHOME). False
// when the user cancels or a step fails (the user is told).
VORNUI_API bool PrepareSvpTemplateStore();
