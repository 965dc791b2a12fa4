// The registry's hive reader over any file content: every key reached from the root (a
// bounded walk), every value listed and read into buffers of several sizes.
#include "vornui/platform/Registry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Made once and never destroyed, so that the clean-up at exit can still name it.
const std::string& FuzzFolder() {
    static const std::string* const folder = [] {
        std::string pattern = "/tmp/vornui-registry-fuzz-XXXXXX";
        auto* made = new std::string(mkdtemp(pattern.data()) ? pattern : std::string("/tmp"));
        std::atexit([] {
            std::remove((FuzzFolder() + "/HKEY_CURRENT_USER.ini").c_str());
            rmdir(FuzzFolder().c_str());
        });
        return made;
    }();
    return *folder;
}

void ReadValues(HKEY key) {
    for (DWORD index = 0; index < 32; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        BYTE data[64];
        DWORD dataSize = sizeof data;
        if (RegEnumValue(key, index, name, &nameSize, nullptr, &type, data, &dataSize) ==
            ERROR_NO_MORE_ITEMS)
            return;
        for (DWORD width : {0u, 1u, 4u, 8u}) {
            std::vector<BYTE> buffer(width + 1);
            DWORD size = width;
            RegQueryValueEx(key, name, nullptr, &type, buffer.data(), &size);
        }
    }
}

void Walk(HKEY key, int depth, int& budget) {
    ReadValues(key);
    for (DWORD index = 0; depth < 8 && --budget > 0; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyEx(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return;
        HKEY child = nullptr;
        if (RegOpenKeyEx(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            Walk(child, depth + 1, budget);
            RegCloseKey(child);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = FuzzFolder() + "/HKEY_CURRENT_USER.ini";
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    SetRegistryFolder(FuzzFolder().c_str());
    int budget = 256;
    Walk(HKEY_CURRENT_USER, 0, budget);
    SetRegistryFolder(nullptr);
    return 0;
}
