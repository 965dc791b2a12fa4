#include "vornui/platform/CodePage.h"

namespace {

// 0x80 to 0x9F; everywhere else code page 1252 agrees with Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point of the UTF-8 sequence at `text[at]`, and where the next one starts; 0xFFFD
// for a malformed sequence, which ends before the first byte that cannot continue it.
char32_t NextCodePoint(std::string_view text, size_t& at) {
    const auto byte = [&](size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80)
        return lead;
    const int following = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (following == 0)
        return 0xFFFD;
    char32_t code = lead & (0x3F >> following);
    for (int index = 0; index < following; ++index, ++at) {
        if (at >= text.size() || (byte(at) & 0xC0) != 0x80)
            return 0xFFFD;
        code = (code << 6) | (byte(at) & 0x3F);
    }
    return code;
}

} // namespace

char32_t CodePointFrom1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::string Utf8From1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text)
        AppendUtf8(out, CodePointFrom1252(static_cast<unsigned char>(ch)));
    return out;
}

char Cp1252FromCodePoint(char32_t codePoint) {
    if (codePoint == 0)
        return 0;
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (unsigned byte = 0x80; byte < 0xA0; ++byte)
        if (kHighControls[byte - 0x80] == codePoint)
            return static_cast<char>(byte);
    return 0;
}

std::string Cp1252FromUtf8(std::string_view text, char unmappable) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const char32_t code = NextCodePoint(text, at);
        const char byte = Cp1252FromCodePoint(code);
        out += byte || code == 0 ? byte : unmappable;
    }
    return out;
}
