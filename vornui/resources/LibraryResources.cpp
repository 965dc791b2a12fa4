#include "vornui/resources/LibraryResources.h"

void RegisterLibraryResources(HMODULE library) {
    RegisterEditorDialogs(library);
    RegisterEditorIcons(library);
    RegisterLibraryListBitmaps(library);
    RegisterLibraryStrings(library);
    RegisterReportingTemplates(library);
    RegisterTemplateDialogs(library);
}
