#pragma once

// Cuts a text into tokens with one set of chop settings: a run of separators (and dropped
// characters) ends a token, dropped characters vanish wherever they stand, empty tokens
// never appear.

#include "vornui/platform/Export.h"
#include "vornui/templates/AsciiChopTable.h"

#include <optional>
#include <string>

class VORNUI_API AsciiTokenizer {
public:
    // The tokenizer keeps its own copy of `text`.
    AsciiTokenizer(std::string text, const AsciiChopSettings& chop);

    // The next token as a new string; nullopt when the text holds no further token.
    std::optional<std::string> NextToken();
    // The same into `token` (emptied first), reusing its storage.
    bool NextToken(std::string& token);
    bool IsEnd() const { return m_position >= m_text.size(); }

private:
    std::string m_text;
    size_t m_position = 0;
    AsciiChopTable m_chop;
};
