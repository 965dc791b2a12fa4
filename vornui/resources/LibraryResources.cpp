#include "vornui/resources/LibraryResources.h"

void RegisterLibraryResources(HMODULE library) {
    RegisterEditorDialogs(library);
    RegisterEditorIcons(library);
    RegisterLibraryStrings(library);
    RegisterReportingTemplates(library);
}
