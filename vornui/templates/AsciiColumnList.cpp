#include "vornui/templates/AsciiColumnList.h"

#include "vornui/templates/AsciiTemplate.h"

AsciiColumnList::AsciiColumnList(const AsciiTemplate& templ)
    : m_template(&templ), m_chop(templ.columnChop) {}

AsciiColumnList::AsciiColumnList(std::string_view line, const AsciiTemplate& templ)
    : AsciiColumnList(templ) {
    Split(line);
}

void AsciiColumnList::Split(std::string_view line) {
    m_columns.clear();
    m_starts.clear();
    size_t position = 0;
    size_t start = 0;
    while (m_chop.AppendNextToken(line, position, m_columns)) {
        m_starts.push_back(start);
        m_columns.push_back('\0');
        start = m_columns.size();
    }
}

const char* AsciiColumnList::GetText(int index) const {
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_columns.data() + m_starts[static_cast<size_t>(index)];
}

AsciiField AsciiColumnList::GetField(int index) const {
    const char* text = GetText(index);
    if (!text)
        return AsciiField(nullptr, 0);
    const int type = index < m_template->UsedColumnCount() ? m_template->columnTypes[index] : 0;
    return AsciiField(text, type);
}
