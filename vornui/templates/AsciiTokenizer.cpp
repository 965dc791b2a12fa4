#include "vornui/templates/AsciiTokenizer.h"

#include <utility>

AsciiTokenizer::AsciiTokenizer(std::string text, const AsciiChopSettings& chop)
    : m_text(std::move(text)), m_chop(chop) {}

std::optional<std::string> AsciiTokenizer::NextToken() {
    std::string token;
    if (!NextToken(token))
        return std::nullopt;
    return token;
}

bool AsciiTokenizer::NextToken(std::string& token) {
    token.clear();
    return m_chop.AppendNextToken(m_text, m_position, token);
}
