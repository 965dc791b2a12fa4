// Splitting any command line into words and mapping it to a Linux command must end and
// stay inside its input; a file handed to the editor or the file manager reaches it as the
// one argument it was, or as the same file below the current folder.

#include "vornui/platform/SystemPrograms.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto words = SplitCommandLine(line);
    if (!words.empty() && words.front().find('/') == std::string::npos)
        LinuxCommandFor(words);
    const std::string file(line);
    if (const auto edit = LinuxCommandFor({"notepad.exe", file})) {
        if (edit->size() != 2 || ((*edit)[1] != file && (*edit)[1] != "./" + file))
            std::abort();
    }
    return 0;
}
