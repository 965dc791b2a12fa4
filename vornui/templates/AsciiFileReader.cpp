#include "vornui/templates/AsciiFileReader.h"

#include "vornui/platform/FileContent.h"
#include "vornui/templates/AsciiTemplate.h"

namespace {

// Larger files are not data files this reader can hold in memory.
constexpr size_t kMaxDataFileSize = size_t{1} << 31;

} // namespace

AsciiFileReader::AsciiFileReader(const char* path, const AsciiTemplate& templ) {
    std::optional<FileBytes> content = ReadRegularFile(path, kMaxDataFileSize);
    if (!content)
        return;
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
