// Splitting any command line into words and mapping it to a Linux command must end and
// stay inside its input.

#include "vornui/platform/SystemPrograms.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto words = SplitCommandLine(line);
    if (!words.empty() && words.front().find('/') == std::string::npos)
        LinuxCommandFor(words);
    return 0;
}
