#include "vornui/templates/AsciiColumnList.h"

#include "vornui/templates/AsciiTemplate.h"

#include <algorithm>

AsciiColumnList::AsciiColumnList(const AsciiTemplate& templ)
    : m_template(&templ), m_chop(templ.columnChop) {}

AsciiColumnList::AsciiColumnList(std::string_view line, const AsciiTemplate& templ)
    : AsciiColumnList(templ) {
    Split(line);
}

// The line is copied once and its columns cut out of the copy in place.
void AsciiColumnList::Split(std::string_view line) {
    m_starts.clear();
    // The buffer only grows, so that lines of the same length reuse it untouched.
    if (m_columns.size() < line.size() + 1)
        m_columns.resize(line.size() + 1);
    char* const text = m_columns.data();
    std::copy(line.begin(), line.end(), text);
    text[line.size()] = '\0';
    size_t position = 0;
    std::string_view column;
    while (m_chop.CutNextToken(text, line.size(), position, column))
        m_starts.push_back(static_cast<size_t>(column.data() - text));
}

AsciiField AsciiColumnList::GetField(int index) const {
    const char* text = GetText(index);
    if (!text)
        return AsciiField(nullptr, 0);
    const int type = index < m_template->UsedColumnCount() ? m_template->columnTypes[index] : 0;
    return AsciiField(text, type);
}
