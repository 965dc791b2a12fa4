// The profile-file reader over any file content: section and key lists, values of
// sections and keys named by the content itself, into buffers of every small size.
#include "FuzzFile.h"

#include "vornui/platform/ProfileFile.h"

#include <string>
#include <vector>

namespace {

// The first names of a zero-separated list.
std::vector<std::string> Names(const char* list, size_t max) {
    std::vector<std::string> names;
    for (const char* name = list; *name && names.size() < max; name += names.back().size() + 1)
        names.emplace_back(name);
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* path = WriteFuzzFile(data, size);
    char list[4096];
    GetPrivateProfileString(nullptr, nullptr, "", list, sizeof list, path);
    for (const std::string& section : Names(list, 8)) {
        char keys[4096];
        GetPrivateProfileString(section.c_str(), nullptr, "", keys, sizeof keys, path);
        for (const std::string& key : Names(keys, 8)) {
            for (DWORD width : {1u, 2u, 10u, 20u, 256u}) {
                std::vector<char> value(width);
                GetPrivateProfileString(section.c_str(), key.c_str(), "default  ", value.data(),
                                        width, path);
            }
            GetPrivateProfileInt(section.c_str(), key.c_str(), -1, path);
        }
    }
    char tiny[2];
    GetPrivateProfileString(nullptr, nullptr, "", tiny, sizeof tiny, path);
    GetPrivateProfileString("template", "metatemplatename", "", tiny, 1, path);
    return 0;
}
