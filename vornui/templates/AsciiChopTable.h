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

    // The next token cut out of `text` in place: its characters are moved together over
    // the dropped ones and a zero byte is written after them (over the separator, or at
    // text[size], which must exist). False when the text holds no further token.
    bool CutNextToken(char* text, size_t size, size_t& position, std::string_view& token) const {
        size_t at = position;
        while (at < size && Kind(text[at]) != 0)
            ++at;
        if (at >= size) {
            position = size;
            return false;
        }
        char* const start = text + at;
        char* out = start;
        for (; at < size; ++at) {
            const char ch = text[at];
            const uint8_t kind = Kind(ch);
            if (kind == 0)
                *out++ = ch;
            else if (kind == kSeparator)
                break;
        }
        position = at < size ? at + 1 : size;
        *out = '\0';
        token = std::string_view(start, static_cast<size_t>(out - start));
        return true;
    }

    // Writes every token of `text` to `out`, each followed by a zero byte, telling
    // `onToken` where each one starts. `out` must hold text.size() + 1 bytes: between
    // two tokens stands at least one character that none of them keeps.
    template <typename OnToken>
    void SplitInto(std::string_view text, char* out, OnToken onToken) const {
        const char* in = text.data();
        const char* const end = in + text.size();
        while (true) {
            while (in < end && Kind(*in) != 0)
                ++in;
            if (in == end)
                return;
            onToken(out);
            while (in < end) {
                const char ch = *in++;
                const uint8_t kind = Kind(ch);
                if (kind == 0)
                    *out++ = ch;
                else if (kind == kSeparator)
                    break;
            }
            *out++ = '\0';
        }
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
