#include "vornui/resources/LibraryResources.h"

void RegisterLibraryResources(HMODULE library) {
    RegisterEditorDialogs(library);
    RegisterEditorIcons(library);
    RegisterLibraryListBitmaps(library);
    RegisterLibraryStrings(library);
    RegisterPortDialog(library);
    RegisterReportingTemplates(library);
}
