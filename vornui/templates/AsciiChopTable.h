#pragma once

// The splitting rule shared by the line and column splitters, as a table over the 256
// byte values. A run of separators and dropped characters ends a token; dropped
// characters vanish wherever they stand; a zero byte belongs to both sets.

#include "vornui/templates/AsciiTemplate.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class AsciiChopTable {
public:
    explicit AsciiChopTable(const AsciiChopSettings& chop) {
        Mark(chop.separators, kSeparator);
        Mark(chop.hitlist, kDropped);
        m_kind[0] = kSeparator | kDropped;
    }

    // Appends the next token of `text`, read from `position` on, to `token` and moves
    // `position` past it and its separator. False when the text holds no further token.
    bool AppendNextToken(std::string_view text, size_t& position, std::string& token) const {
        size_t at = position;
        while (at < text.size() && Kind(text[at]) != 0)
            ++at;
        if (at >= text.size()) {
            position = text.size();
            return false;
        }
        size_t run = at;
        for (; at < text.size(); ++at) {
            const uint8_t kind = Kind(text[at]);
            if (kind == 0)
                continue;
            token.append(text.data() + run, at - run);
            run = at + 1;
            if (kind & kDropped)
                continue;
            position = at + 1;
            return true;
        }
        token.append(text.data() + run, at - run);
        position = at;
        return true;
    }

private:
    static constexpr uint8_t kSeparator = 1;
    static constexpr uint8_t kDropped = 2;

    uint8_t Kind(char ch) const { return m_kind[static_cast<unsigned char>(ch)]; }

    // A set fills its whole field when it has no terminator.
    void Mark(const char (&set)[kAsciiChopSetSize], uint8_t kind) {
        for (char ch : set) {
            if (ch == '\0')
                break;
            m_kind[static_cast<unsigned char>(ch)] |= kind;
        }
    }

    std::array<uint8_t, 256> m_kind{};
};
