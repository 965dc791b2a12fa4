#pragma once

// Running the template editor from a template dialog and waiting until it has ended, so
// that the templates it wrote can be listed at once.

#include "vornui/platform/CString.h"

// Starts `commandLine` (never through a shell) and polls every 100 ms until the program
// has ended, dispatching no messages meanwhile: the dialog does not respond while the
// editor runs. A line longer than 260 characters is refused with string 13008, and a
// program that does not start is reported with the line; the user is told either way.
void RunTemplateEditorAndWait(const CString& commandLine);
