#include "vornui/templates/AsciiFileReader.h"

#include "vornui/platform/FileContent.h"
#include "vornui/templates/AsciiTemplate.h"

#include <cstring>
#include <string_view>

namespace {

// Larger files are not data files this reader can hold in memory.
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

AsciiFileReader::AsciiFileReader(const char* path, const AsciiTemplate& templ) {
    std::optional<FileBytes> content = ReadRegularFile(path, kMaxDataFileSize);
    if (!content)
        return;
    SkipByteOrderMark(*content);
    m_lines.emplace(std::move(content->bytes), content->size, templ.fileChop);
    Next();
}

void AsciiFileReader::Next() {
    m_bHasLine = m_lines && m_lines->CutNextToken(m_line);
}

void AsciiFileReader::Close() {
    m_lines.reset();
    m_line = {};
    m_bHasLine = false;
}
