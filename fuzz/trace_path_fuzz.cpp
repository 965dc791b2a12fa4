// The trace file's path comes from a host-given file name and the folder list of an
// environment variable. Input: the file name, a line feed, then the variable's value.

#include "vornui/log/VornTrace.h"
#include "vornui/platform/FileSystem.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string name = input.substr(0, split);
    const std::string folders = split == std::string::npos ? "" : input.substr(split + 1);

    SetEnvironmentVariable("VORN_FUZZ_FOLDERS", folders.c_str());
    VornSetTraceSearchVariable("VORN_FUZZ_FOLDERS");
    VornSetTraceFileName(name.c_str());
    if (std::strlen(VornTraceFilePath()) >= MAX_PATH)
        std::abort();
    return 0;
}
