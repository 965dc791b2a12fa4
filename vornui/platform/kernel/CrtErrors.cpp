#include "vornui/platform/CrtErrors.h"

#include <cstring>
#include <vector>

namespace {

// errno values are small; the table ends after the last one the C library describes.
constexpr int kHighestErrnoProbed = 4096;

const std::vector<const char*>& ErrorTexts() {
    static const std::vector<const char*> texts = [] {
        int count = 0;
        for (int error = 0; error <= kHighestErrnoProbed; ++error)
            if (strerrordesc_np(error))
                count = error + 1;
        std::vector<const char*> table(static_cast<size_t>(count));
        for (int error = 0; error < count; ++error) {
            const char* text = strerrordesc_np(error);
            table[static_cast<size_t>(error)] = text ? text : "Unknown error";
        }
        return table;
    }();
    return texts;
}

} // namespace

int CrtErrorTextCount() {
    return static_cast<int>(ErrorTexts().size());
}

const char* const* CrtErrorTexts() {
    return ErrorTexts().data();
}
