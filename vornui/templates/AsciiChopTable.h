#pragma once

// The splitting rule shared by the line and column splitters, as a table over the 256
// byte values. A run of separators and dropped characters ends a token; dropped
// characters vanish wherever they stand; a zero byte belongs to both sets.

#include "vornui/templates/AsciiTemplate.h"

#include <array>
#include <cstdint>
#include <iterator>
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
        const size_t start = FindToken(text, position);
        if (start == text.size()) {
            position = start;
            return false;
        }
        position = TakeToken(text, start, std::back_inserter(token)).next;
        return true;
    }

    // The next token cut out of `text` in place: its characters are moved together over
    // the dropped ones and a zero byte is written after them (over the separator, or at
    // text[size]). text[size] must be a zero byte: it ends the scan of a token, so that
    // the common token, one that keeps all its characters, costs one test per character.
    // False when the text holds no further token.
    bool CutNextToken(char* text, size_t size, size_t& position, std::string_view& token) const {
        const size_t at = FindToken(std::string_view(text, size), position);
        if (at == size) {
            position = size;
            return false;
        }
        char* const start = text + at;
        char* kept = start;
        while (Kind(*kept) == 0)
            ++kept;
        const Taken<char*> taken =
            TakeToken(std::string_view(text, size), static_cast<size_t>(kept - text), kept);
        position = taken.next;
        *taken.out = '\0';
        token = std::string_view(start, static_cast<size_t>(taken.out - start));
        return true;
    }

    // Whether `ch` ends a token (a separator that is not dropped as well).
    bool EndsToken(char ch) const { return Kind(ch) == kSeparator; }
    // Whether `ch` stays in a token where it stands (neither a separator nor dropped).
    bool Keeps(char ch) const { return Kind(ch) == 0; }

private:
    static constexpr uint8_t kSeparator = 1;
    static constexpr uint8_t kDropped = 2;

    uint8_t Kind(char ch) const { return m_kind[static_cast<unsigned char>(ch)]; }

    // Where the first token at or after `at` starts; text.size() when none does.
    size_t FindToken(std::string_view text, size_t at) const {
        while (at < text.size() && Kind(text[at]) != 0)
            ++at;
        return at;
    }

    template <typename Out>
    struct Taken {
        size_t next; // where reading goes on: past the token's separator, or text.size()
        Out out;     // past the last character written
    };

    // Writes the characters the token starting at `at` keeps to `out`. The output is taken
    // and given back by value so that a pointer stays in a register on this hot path.
    template <typename Out>
    Taken<Out> TakeToken(std::string_view text, size_t at, Out out) const {
        while (at < text.size()) {
            const char ch = text[at++];
            const uint8_t kind = Kind(ch);
            if (kind == 0)
                *out++ = ch;
            else if (kind == kSeparator)
                break;
        }
        return {at, out};
    }

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
