#include "vornui/templates/AsciiDataFile.h"

#include <cstring>
#include <string_view>

namespace {

// Larger files are not data files a reader can hold in memory.
constexpr size_t kMaxDataFileSize = size_t{1} << 31;

// Editors on Windows may start a UTF-8 file with a byte order mark; it is no data.
void SkipByteOrderMark(FileBytes& content) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (!std::string_view(content.bytes.get(), content.size).starts_with(kMark))
        return;
    content.size -= kMark.size();
    std::memmove(content.bytes.get(), content.bytes.get() + kMark.size(), content.size);
}

} // namespace

std::optional<FileBytes> ReadAsciiDataFile(const char* path) {
    std::optional<FileBytes> content = ReadRegularFile(path, kMaxDataFileSize);
    if (content)
        SkipByteOrderMark(*content);
    return content;
}
