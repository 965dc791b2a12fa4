// Cell texts of a list sorted by a header click: any two texts, split at the first zero
// byte, must make keys and compare in every mode without a crash or undefined behaviour,
// both ways round with opposite signs, and equal to themselves ("nan" equals everything);
// each reads as the same number as strtod reads it, whichever way the reading takes.
#include "vornui/lists/ListSortKeys.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string first = input.substr(0, split);
    const std::string second = split == std::string::npos ? std::string() : input.substr(split + 1);
    for (const std::string& text : {first, second}) {
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        const double read = ReadSortNumber(text.c_str());
        const bool same = end == text.c_str() ? read == 0 && !std::signbit(read)
                                              : std::memcmp(&read, &expected, sizeof read) == 0;
        if (!same && !(std::isnan(read) && std::isnan(expected)))
            std::abort();
    }
    const ListSortKey a = MakeSortKey(first.c_str());
    const ListSortKey b = MakeSortKey(second.c_str());
    for (const bool numbers : {false, true})
        for (const bool splitSort : {false, true}) {
            const int forward = CompareSortKeys(a, b, numbers, splitSort);
            const int backward = CompareSortKeys(b, a, numbers, splitSort);
            if (forward != -backward || CompareSortKeys(a, a, numbers, splitSort) != 0)
                std::abort();
        }
    const ListSortKeys keys({7, 7, -1}, {first.c_str(), second.c_str(), ""});
    if (keys.RowOf(7) != 0 || keys.RowOf(-1) != 2 || keys.Compare(7, 7) != 0)
        std::abort();
    return 0;
}
