#include "vornui/resources/LibraryResources.h"

void RegisterLibraryResources(HMODULE library) {
    RegisterLibraryStrings(library);
    RegisterReportingTemplates(library);
}
