#pragma once

// Cuts a text into tokens with one set of chop settings: a run of separators (and dropped
// characters) ends a token, dropped characters vanish wherever they stand, empty tokens
// never appear.

#include "vornui/platform/Export.h"
#include "vornui/templates/AsciiChopTable.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class VORNUI_API AsciiTokenizer {
public:
    // The tokenizer keeps its own copy of `text`.
    AsciiTokenizer(std::string_view text, const AsciiChopSettings& chop);
    // Takes over `text`: `size` characters and room for a zero byte after them.
    AsciiTokenizer(std::unique_ptr<char[]> text, size_t size, const AsciiChopSettings& chop);

    // The next token as a new string; nullopt when the text holds no further token.
    std::optional<std::string> NextToken();
    // The same into `token` (emptied first), reusing its storage.
    bool NextToken(std::string& token);
    // The same as a view into the tokenizer's own text, which is rewritten in place; the
    // view stays valid (and zero-terminated) while the tokenizer lives.
    bool CutNextToken(std::string_view& token);
    // Whether the whole text has been read.
    bool IsEnd() const { return m_position >= m_size; }

private:
    std::unique_ptr<char[]> m_text;
    size_t m_size;
    size_t m_position = 0;
    AsciiChopTable m_chop;
};
