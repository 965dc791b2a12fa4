// The demo host: a small survey program that uses the library as any host would.
#include "vornui/vornui.h"

#include <cstdio>

namespace {

void ShowLibrary() {
    char path[MAX_PATH];
    GetModuleFileName(GetVornuiModule(), path, sizeof path);
    std::printf("vornui %s loaded from %s\n", GetVornuiVersion(), path);
    const UINT ids[] = {IDS_PROCESSING, IDS_READING, IDS_FILE_PATH_TOO_LONG};
    for (UINT id : ids)
        std::printf("  string %u: \"%s\"\n", id, LoadVornuiString(id).GetString());
}

} // namespace

int main() {
    ShowLibrary();
    return 0;
}
