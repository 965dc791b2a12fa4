#include "vornui/platform/internal/ProfileText.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// Texts handed out end at a zero byte the file may hold, as C strings do.
std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

DWORD CopyText(std::string_view text, LPTSTR returned, DWORD size) {
    text = UpToZero(text);
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(returned, text.data(), copied);
    returned[copied] = '\0';
    return static_cast<DWORD>(copied);
}

// Names one after another, each ended by a zero, the list by a second zero. A list that
// does not fit is cut and still ends with two zeros; the result is then size - 2.
DWORD CopyNameList(const std::vector<std::string>& names, LPTSTR returned, DWORD size) {
    if (size < 2) {
        returned[0] = '\0';
        return 0;
    }
    std::string list;
    for (const std::string& name : names)
        list.append(UpToZero(name)).push_back('\0');
    const bool fits = list.size() + 1 <= size;
    const size_t copied = fits ? list.size() : size - 2;
    std::memcpy(returned, list.data(), copied);
    returned[copied] = '\0';
    if (!fits)
        returned[copied + 1] = '\0';
    else if (list.empty() && size > 1)
        returned[1] = '\0';
    return static_cast<DWORD>(copied);
}

// The value as the system hands it out: enclosing quotes removed.
std::string ProfileValueText(std::string value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

int DigitValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A' + 10;
    return 99;
}

// The base a prefix names (0x, 0o, 0b), with the prefix skipped; 10 without one.
int ReadBase(const char*& text) {
    if (text[0] != '0')
        return 10;
    const char prefix = static_cast<char>(text[1] | 0x20);
    const int base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
    if (base != 10)
        text += 2;
    return base;
}

// The integer a profile value stands for, converted as the system converts it: a sign, a
// base prefix, then digits up to the first that does not belong. The number wraps at 32
// bits and a minus negates it, so "-1" reads as 4294967295 and "-5000", cast back to an
// int, as -5000; text without digits reads as 0. `fallback` only for an empty value.
UINT ProfileValueToUInt(const std::optional<std::string>& value, INT fallback) {
    if (!value || value->empty())
        return static_cast<UINT>(fallback);
    const std::string unquoted = ProfileValueText(*value);
    const char* text = unquoted.c_str();
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    const int base = ReadBase(text);
    UINT result = 0;
    for (int digit; (digit = DigitValue(*text)) < base; ++text)
        result = result * static_cast<UINT>(base) + static_cast<UINT>(digit);
    return negative ? 0u - result : result;
}

} // namespace

DWORD CopyProfileString(const IniDocument& document, LPCTSTR section, LPCTSTR key,
                        LPCTSTR defaultText, LPTSTR returned, DWORD size) {
    if (!returned || size == 0)
        return 0;
    if (!section)
        return CopyNameList(document.SectionNames(), returned, size);
    if (!key)
        return CopyNameList(document.KeyNames(section), returned, size);
    if (const auto value = document.Value(section, key))
        return CopyText(ProfileValueText(*value), returned, size);
    // A default loses its trailing blanks.
    std::string_view fallback = defaultText ? defaultText : "";
    while (!fallback.empty() && fallback.back() == ' ')
        fallback.remove_suffix(1);
    return CopyText(fallback, returned, size);
}

UINT ProfileInt(const IniDocument& document, LPCTSTR section, LPCTSTR key, INT fallback) {
    if (!section || !key)
        return static_cast<UINT>(fallback);
    return ProfileValueToUInt(document.Value(section, key), fallback);
}

void ApplyProfileWrite(IniDocument& document, LPCTSTR section, LPCTSTR key, LPCTSTR value) {
    if (!key)
        document.RemoveSection(section);
    else if (!value)
        document.RemoveKey(section, key);
    else
        document.SetValue(section, key, value);
}
