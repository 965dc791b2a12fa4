// Any text cut with any chop settings (taken from the input's first bytes, possibly
// without terminators), token by token and in place.
#include "vornui/templates/AsciiTokenizer.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    AsciiChopSettings chop{};
    const size_t setBytes = std::min(size, sizeof chop.separators + sizeof chop.hitlist);
    std::memcpy(chop.separators, data, std::min(setBytes, sizeof chop.separators));
    if (setBytes > sizeof chop.separators)
        std::memcpy(chop.hitlist, data + sizeof chop.separators, setBytes - sizeof chop.separators);
    const std::string_view text(reinterpret_cast<const char*>(data) + setBytes, size - setBytes);

    AsciiTokenizer copying(text, chop);
    std::string token;
    size_t copied = 0;
    while (copying.NextToken(token))
        copied += token.size();
    AsciiTokenizer cutting(text, chop);
    std::string_view cut;
    size_t cutTotal = 0;
    while (cutting.CutNextToken(cut))
        cutTotal += cut.size();
    // Both ways cut the same tokens.
    if (copied != cutTotal)
        __builtin_trap();
    return 0;
}
