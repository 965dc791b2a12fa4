// A program outside the repository, built only against the installed package.
#include "vornui/vornui.h"

#include <cstdio>

int main() {
    CString text;
    text.Format("%s %d", "consumer", 42);
    const CString caption = LoadVornuiString(IDS_PROCESSING);
    if (text != "consumer 42" || caption != "Processing")
        return 1;
    std::printf("consumer ok: vornui %s\n", GetVornuiVersion());
    return 0;
}
