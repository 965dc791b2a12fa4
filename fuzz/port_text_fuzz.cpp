// Reading a port record's text form from any text: what is accepted prints back exactly as
// it was read, and what is refused leaves the record as it was, byte for byte.

#include "vornui/comms/PortSetUpStructure.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    PortSetUpStructure record;
    std::memset(&record, 0x5A, sizeof record);
    record.nPortType = 7; // prints "????", like the "????" it may read
    PortSetUpStructure before = record;
    if (!record.SetText(text.c_str())) {
        if (std::memcmp(&record, &before, sizeof record) != 0)
            std::abort();
        return 0;
    }
    if (record.GetText().str() != text.c_str())
        std::abort();
    return 0;
}
