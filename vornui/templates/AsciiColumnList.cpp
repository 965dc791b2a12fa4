#include "vornui/templates/AsciiColumnList.h"

#include "vornui/templates/AsciiTemplate.h"

AsciiColumnList::AsciiColumnList(const AsciiTemplate& templ)
    : m_template(&templ), m_chop(templ.columnChop) {}

AsciiColumnList::AsciiColumnList(std::string_view line, const AsciiTemplate& templ)
    : AsciiColumnList(templ) {
    Split(line);
}

void AsciiColumnList::Split(std::string_view line) {
    m_starts.clear();
    // The buffer only grows, so that lines of the same length reuse it untouched.
    if (m_columns.size() < line.size() + 1)
        m_columns.resize(line.size() + 1);
    char* const first = m_columns.data();
    m_chop.SplitInto(line, first, [&](const char* start) {
        m_starts.push_back(static_cast<size_t>(start - first));
    });
}

AsciiField AsciiColumnList::GetField(int index) const {
    const char* text = GetText(index);
    if (!text)
        return AsciiField(nullptr, 0);
    const int type = index < m_template->UsedColumnCount() ? m_template->columnTypes[index] : 0;
    return AsciiField(text, type);
}
