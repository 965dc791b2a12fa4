#pragma once

// A short text assembled on the stack while a value is printed, so that printing a value
// allocates nothing but the caller's output string, and a printf-style formatter over it
// that ignores the host's locale: survey files and screens always show a decimal point.
// Internal to the library.

#include "vornui/platform/CString.h"

#include <initializer_list>
#include <string_view>

class TextBuilder {
public:
    // Room for the widest value any unit format prints (a double near 1e308 with ten
    // decimals, a sign and the notation's separators); longer text is cut off.
    static constexpr int kCapacity = 400;

    void Append(char ch);
    void Append(std::string_view text);
    void Prepend(char ch);
    void SetAt(int index, char ch);
    std::string_view View() const { return {m_chars, static_cast<size_t>(m_length)}; }
    void CopyTo(CString& out) const { out.SetString(m_chars, m_length); }

private:
    char m_chars[kCapacity];
    int m_length = 0;
};

// One argument of AppendPrintf: the conversion takes the argument of its own type
// (%d an int of any width, %f a double, %c a char); a conversion whose argument is missing or of
// another type prints nothing, so no format can read what was not passed.
struct PrintfArgument {
    enum class Type { Int, Double, Char };
    PrintfArgument(int value) : type(Type::Int), intValue(value) {}
    PrintfArgument(long long value) : type(Type::Int), intValue(value) {}
    PrintfArgument(double value) : type(Type::Double), doubleValue(value) {}
    PrintfArgument(char value) : type(Type::Char), charValue(value) {}

    Type type;
    union {
        long long intValue;
        double doubleValue;
        char charValue;
    };
};

// Appends `format` as printf does in the C locale, for the conversions the unit formats
// use: %d and %i, %f, %c and %%, with the '-' and '0' flags, a width and a precision.
// Any other conversion is copied as it stands.
void AppendPrintf(TextBuilder& text, const char* format,
                  std::initializer_list<PrintfArgument> args);

// The text `value` prints as with "%.*f" in the C locale, into `buffer`; empty if it
// does not fit.
std::string_view PrintFixed(double value, int precision, char* buffer, int size);
