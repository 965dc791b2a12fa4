#include "vornui/templates/AsciiFileReader.h"

#include "vornui/templates/AsciiDataFile.h"
#include "vornui/templates/AsciiTemplate.h"

AsciiFileReader::AsciiFileReader(const char* path, const AsciiTemplate& templ) {
    std::optional<FileBytes> content = ReadAsciiDataFile(path);
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
