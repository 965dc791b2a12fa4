// The demo host: a small survey program that uses the library as any host would.
#include "DialogPicture.h"

#include "vornui/vornui.h"

#include <cstdio>
#include <cstring>

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

int main(int argc, char** argv) {
    // "dialog [file.png]" writes a picture of a sample dialog.
    if (argc >= 2 && std::strcmp(argv[1], "dialog") == 0)
        return WriteDialogPicture(argc >= 3 ? argv[2] : "dialog.png");
    ShowLibrary();
    return 0;
}
