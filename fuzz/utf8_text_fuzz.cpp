// Text that another program hands over (its clipboard) comes as UTF-8 of any shape: its code
// page 1252 form is never longer, and text that came from code page 1252 comes back whole.

#include "vornui/platform/CodePage.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (Cp1252FromUtf8(bytes).size() > bytes.size())
        std::abort();
    if (Cp1252FromUtf8(Utf8From1252(bytes)) != bytes)
        std::abort();
    return 0;
}
