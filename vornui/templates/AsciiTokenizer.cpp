#include "vornui/templates/AsciiTokenizer.h"

#include <cstring>
#include <utility>

AsciiTokenizer::AsciiTokenizer(std::string_view text, const AsciiChopSettings& chop)
    : m_text(new char[text.size() + 1]), m_size(text.size()), m_chop(chop) {
    if (!text.empty())
        std::memcpy(m_text.get(), text.data(), text.size());
    m_text[m_size] = '\0';
}

AsciiTokenizer::AsciiTokenizer(std::unique_ptr<char[]> text, size_t size,
                               const AsciiChopSettings& chop)
    : m_text(std::move(text)), m_size(size), m_chop(chop) {
    m_text[m_size] = '\0';
}

std::optional<std::string> AsciiTokenizer::NextToken() {
    std::string token;
    if (!NextToken(token))
        return std::nullopt;
    return token;
}

bool AsciiTokenizer::NextToken(std::string& token) {
    token.clear();
    return m_chop.AppendNextToken(std::string_view(m_text.get(), m_size), m_position, token);
}

bool AsciiTokenizer::CutNextToken(std::string_view& token) {
    token = {};
    return m_chop.CutNextToken(m_text.get(), m_size, m_position, token);
}
