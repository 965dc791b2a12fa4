#include "vornui/units/TextBuilder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

void TextBuilder::Append(char ch) {
    if (m_length < kCapacity)
        m_chars[m_length++] = ch;
}

void TextBuilder::Append(std::string_view text) {
    const int count = std::min(static_cast<int>(text.size()), kCapacity - m_length);
    std::memcpy(m_chars + m_length, text.data(), static_cast<size_t>(count));
    m_length += count;
}

void TextBuilder::Prepend(char ch) {
    const int kept = std::min(m_length, kCapacity - 1);
    std::memmove(m_chars + 1, m_chars, static_cast<size_t>(kept));
    m_chars[0] = ch;
    m_length = kept + 1;
}

void TextBuilder::SetAt(int index, char ch) {
    if (index >= 0 && index < m_length)
        m_chars[index] = ch;
}

std::string_view PrintFixed(double value, int precision, char* buffer, int size) {
    const auto [end, error] =
        std::to_chars(buffer, buffer + size, value, std::chars_format::fixed, precision);
    if (error != std::errc())
        return {};
    return {buffer, static_cast<size_t>(end - buffer)};
}

namespace {

struct FormatDirective {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;
};

// Widths and precisions past the builder's capacity could only print cut-off text.
int ReadCount(const char*& cursor) {
    int count = 0;
    for (; *cursor >= '0' && *cursor <= '9'; ++cursor)
        count = std::min(count * 10 + (*cursor - '0'), TextBuilder::kCapacity);
    return count;
}

FormatDirective ReadDirective(const char*& cursor) {
    FormatDirective directive;
    for (; *cursor == '-' || *cursor == '0'; ++cursor) {
        directive.leftAlign |= *cursor == '-';
        directive.zeroPad |= *cursor == '0';
    }
    directive.width = ReadCount(cursor);
    if (*cursor == '.') {
        ++cursor;
        directive.precision = ReadCount(cursor);
    }
    return directive;
}

// Zeros go between the sign and the digits, as printf puts them.
void AppendPadded(TextBuilder& text, std::string_view body, const FormatDirective& directive,
                  bool zeroPadAllowed) {
    const int padding = directive.width - static_cast<int>(body.size());
    if (padding <= 0) {
        text.Append(body);
    } else if (directive.leftAlign) {
        text.Append(body);
        for (int i = 0; i < padding; ++i)
            text.Append(' ');
    } else if (directive.zeroPad && zeroPadAllowed) {
        if (!body.empty() && body.front() == '-') {
            text.Append('-');
            body.remove_prefix(1);
        }
        for (int i = 0; i < padding; ++i)
            text.Append('0');
        text.Append(body);
    } else {
        for (int i = 0; i < padding; ++i)
            text.Append(' ');
        text.Append(body);
    }
}

void AppendConversion(TextBuilder& text, char conversion, const FormatDirective& directive,
                      const PrintfArgument* argument) {
    char digits[TextBuilder::kCapacity];
    if (!argument)
        return;
    if ((conversion == 'd' || conversion == 'i') && argument->type == PrintfArgument::Type::Int) {
        const auto end = std::to_chars(digits, digits + sizeof digits, argument->intValue).ptr;
        AppendPadded(text, {digits, static_cast<size_t>(end - digits)}, directive, true);
    } else if (conversion == 'f' && argument->type == PrintfArgument::Type::Double) {
        const double value = argument->doubleValue;
        const int precision = directive.precision < 0 ? 6 : directive.precision;
        AppendPadded(text, PrintFixed(value, precision, digits, sizeof digits), directive,
                     std::isfinite(value));
    } else if (conversion == 'c' && argument->type == PrintfArgument::Type::Char) {
        AppendPadded(text, {&argument->charValue, 1}, directive, false);
    }
}

bool IsConversion(char ch) {
    return ch == 'd' || ch == 'i' || ch == 'f' || ch == 'c';
}

} // namespace

void AppendPrintf(TextBuilder& text, const char* format,
                  std::initializer_list<PrintfArgument> args) {
    const PrintfArgument* nextArgument = args.begin();
    const char* cursor = format;
    while (*cursor) {
        if (*cursor != '%') {
            text.Append(*cursor++);
            continue;
        }
        const char* directiveStart = cursor++;
        if (*cursor == '%') {
            text.Append('%');
            ++cursor;
            continue;
        }
        const FormatDirective directive = ReadDirective(cursor);
        if (!IsConversion(*cursor)) {
            text.Append(
                std::string_view(directiveStart, static_cast<size_t>(cursor - directiveStart)));
            continue;
        }
        const PrintfArgument* argument = nextArgument != args.end() ? nextArgument++ : nullptr;
        AppendConversion(text, *cursor++, directive, argument);
    }
}
