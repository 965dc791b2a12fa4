#include "vornui/resources/LibraryResources.h"

void RegisterLibraryResources(HMODULE library) {
    RegisterLibraryListBitmaps(library);
    RegisterLibraryStrings(library);
}
