#include "vornui/platform/internal/IniDocument.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/internal/TextPieces.h"

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    return TrimmedText(text, kBlanks);
}

bool SameName(std::string_view a, std::string_view b) {
    return CompareNoCase1252(a, b) == 0;
}

} // namespace

IniDocument::IniDocument(std::string_view content) {
    if (content.starts_with(kUtf8ByteOrderMark)) {
        m_byteOrderMark = kUtf8ByteOrderMark;
        content.remove_prefix(kUtf8ByteOrderMark.size());
    }
    if (content.empty())
        return;
    if (content.find("\r\n") != std::string_view::npos)
        m_newline = "\r\n";
    m_endsWithNewline = content.back() == '\n';
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view text = content.substr(start, end - start);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        m_lines.push_back(ParseLine(std::string(text)));
        start = end + 1;
    }
}

IniDocument::Line IniDocument::ParseLine(std::string text) {
    Line line;
    const std::string_view body = Trimmed(text);
    if (!body.empty() && body.front() == '[') {
        line.kind = Kind::Section;
        const size_t close = body.find(']');
        line.name = Trimmed(body.substr(1, close == std::string_view::npos ? close : close - 1));
    } else if (const size_t equals = body.find('=');
               equals != std::string_view::npos && body.front() != ';') {
        line.kind = Kind::Entry;
        line.name = Trimmed(body.substr(0, equals));
        line.value = Trimmed(body.substr(equals + 1));
    }
    line.text = std::move(text);
    return line;
}

std::string IniDocument::Serialize() const {
    std::string content(m_byteOrderMark);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        content += m_lines[i].text;
        if (i + 1 < m_lines.size() || m_endsWithNewline)
            content += m_newline;
    }
    return content;
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view section) const {
    section = Trimmed(section);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section || !SameName(m_lines[i].name, section))
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != Kind::Section)
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const SectionRange& range, std::string_view key) const {
    key = Trimmed(key);
    for (size_t i = range.header + 1; i < range.end; ++i)
        if (m_lines[i].kind == Kind::Entry && SameName(m_lines[i].name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto line = FindKey(*range, key);
    if (!line)
        return std::nullopt;
    return m_lines[*line].value;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : m_lines)
        if (line.kind == Kind::Section)
            names.push_back(line.name);
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto range = FindSection(section))
        for (size_t i = range->header + 1; i < range->end; ++i)
            if (m_lines[i].kind == Kind::Entry)
                names.push_back(m_lines[i].name);
    return names;
}

void IniDocument::InsertLine(size_t at, std::string text) {
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), ParseLine(std::move(text)));
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    section = Trimmed(section);
    key = Trimmed(key);
    const auto range = FindSection(section);
    if (!range) {
        m_endsWithNewline = true;
        InsertLine(m_lines.size(), "[" + std::string(section) + "]");
        InsertLine(m_lines.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto line = FindKey(*range, key)) {
        m_lines[*line] = ParseLine(m_lines[*line].name + "=" + std::string(value));
        return;
    }
    // New keys go after the section's last non-blank line, before any blank separators.
    size_t at = range->end;
    while (at > range->header + 1 && Trimmed(m_lines[at - 1].text).empty())
        --at;
    if (at == m_lines.size())
        m_endsWithNewline = true;
    InsertLine(at, std::string(key) + "=" + std::string(value));
}

void IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    if (const auto range = FindSection(section))
        if (const auto line = FindKey(*range, key))
            m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*line));
}

void IniDocument::RemoveSection(std::string_view section) {
    if (const auto range = FindSection(section))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
}
