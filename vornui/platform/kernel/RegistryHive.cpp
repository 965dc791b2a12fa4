#include "vornui/platform/internal/RegistryHive.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/Registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kDefaultName = "@";
constexpr size_t kMaxKeyNameLength = 255;

bool SameName(std::string_view a, std::string_view b) {
    return CompareNoCase1252(a, b) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

// What a text is written as: a value's data, a value's name, or a key's path (a section
// name, whose backslashes separate the levels).
enum class Field { Data, ValueName, KeyPath };

bool NeedsEscape(unsigned char ch, Field field) {
    if (ch < 0x20 || ch == 0x7F)
        return true;
    switch (field) {
    case Field::Data:
        return ch == '\\';
    case Field::ValueName:
        return ch == '\\' || ch == '=' || ch == '[' || ch == ']' || ch == ';' || ch == '@';
    case Field::KeyPath:
        return ch == '[' || ch == ']';
    }
    return false;
}

std::string Escaped(std::string_view text, Field field) {
    std::string escaped;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        const bool outerBlank = (ch == ' ' || ch == '\t') && (i == 0 || i + 1 == text.size());
        if (NeedsEscape(ch, field) || outerBlank) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", ch);
            escaped += code;
        } else {
            escaped += static_cast<char>(ch);
        }
    }
    return escaped;
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// The text with its \xHH escapes undone; a broken escape stays as it is.
std::string Unescaped(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
            HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
            plain += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::string EntryName(std::string_view valueName) {
    return valueName.empty() ? std::string(kDefaultName) : Escaped(valueName, Field::ValueName);
}

std::string ValueNameOf(std::string_view entryName) {
    return entryName == kDefaultName ? std::string() : Unescaped(entryName);
}

std::string HexBytes(std::string_view data) {
    std::string hex;
    for (const char ch : data) {
        char byte[4];
        std::snprintf(byte, sizeof byte, hex.empty() ? "%02x" : ",%02x",
                      static_cast<unsigned char>(ch));
        hex += byte;
    }
    return hex;
}

std::optional<std::string> BytesFromHex(std::string_view hex) {
    std::string bytes;
    size_t at = 0;
    while (at < hex.size()) {
        if (at + 1 >= hex.size() || HexDigit(hex[at]) < 0 || HexDigit(hex[at + 1]) < 0)
            return std::nullopt;
        bytes += static_cast<char>(HexDigit(hex[at]) * 16 + HexDigit(hex[at + 1]));
        at += 2;
        if (at < hex.size() && hex[at++] != ',')
            return std::nullopt;
    }
    return bytes;
}

template <class Number>
std::string LittleEndian(Number value) {
    std::string bytes(sizeof value, '\0');
    for (size_t i = 0; i < sizeof value; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

template <class Number>
Number FromLittleEndian(std::string_view bytes) {
    Number value = 0;
    for (size_t i = 0; i < sizeof value; ++i)
        value |= static_cast<Number>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return value;
}

std::optional<unsigned long long> HexNumber(std::string_view text, size_t digits) {
    if (text.size() != digits)
        return std::nullopt;
    unsigned long long value = 0;
    for (const char ch : text) {
        if (HexDigit(ch) < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(HexDigit(ch));
    }
    return value;
}

std::string EncodedValue(const RegistryValue& value) {
    const std::string_view data = value.data;
    const bool endsInZero = !data.empty() && data.back() == '\0';
    if ((value.type == REG_SZ || value.type == REG_EXPAND_SZ) && endsInZero &&
        data.find('\0') == data.size() - 1)
        return (value.type == REG_SZ ? "sz:" : "expand_sz:") +
               Escaped(data.substr(0, data.size() - 1), Field::Data);
    if (value.type == REG_DWORD && data.size() == 4) {
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", FromLittleEndian<DWORD>(data));
        return text;
    }
    if (value.type == REG_QWORD && data.size() == 8) {
        char text[32];
        std::snprintf(text, sizeof text, "qword:%016llx",
                      static_cast<unsigned long long>(FromLittleEndian<ULONGLONG>(data)));
        return text;
    }
    if (value.type == REG_BINARY)
        return "hex:" + HexBytes(data);
    return "hex(" + std::to_string(value.type) + "):" + HexBytes(data);
}

std::optional<RegistryValue> DecodedValue(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view kind = text.substr(0, colon);
    const std::string_view body = text.substr(colon + 1);
    if (kind == "sz" || kind == "expand_sz")
        return RegistryValue{static_cast<DWORD>(kind == "sz" ? REG_SZ : REG_EXPAND_SZ),
                             Unescaped(body) + '\0'};
    if (kind == "dword" || kind == "qword") {
        const bool isDword = kind == "dword";
        const auto number = HexNumber(body, isDword ? 8 : 16);
        if (!number)
            return std::nullopt;
        return RegistryValue{static_cast<DWORD>(isDword ? REG_DWORD : REG_QWORD),
                             isDword ? LittleEndian(static_cast<DWORD>(*number))
                                     : LittleEndian(static_cast<ULONGLONG>(*number))};
    }
    DWORD type = REG_BINARY;
    if (kind != "hex") {
        if (kind.size() < 6 || kind.size() > 15 || kind.substr(0, 4) != "hex(" ||
            kind.back() != ')')
            return std::nullopt;
        const std::string_view digits = kind.substr(4, kind.size() - 5);
        type = 0;
        for (const char ch : digits) {
            if (ch < '0' || ch > '9')
                return std::nullopt;
            type = type * 10 + static_cast<DWORD>(ch - '0');
        }
    }
    const auto bytes = BytesFromHex(body);
    if (!bytes)
        return std::nullopt;
    return RegistryValue{type, *bytes};
}

} // namespace

std::optional<std::string> NormalizedKeyPath(std::string_view path) {
    std::string normalized;
    while (!path.empty()) {
        const size_t slash = path.find('\\');
        const std::string_view component = path.substr(0, slash);
        if (component.size() > kMaxKeyNameLength)
            return std::nullopt;
        if (!component.empty())
            normalized = JoinKeyPath(normalized, component);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return normalized;
}

std::string JoinKeyPath(std::string_view parent, std::string_view child) {
    if (parent.empty())
        return std::string(child);
    return std::string(parent) + "\\" + std::string(child);
}

bool RegistryHive::KeyExists(std::string_view path) const {
    if (path.empty())
        return true;
    const std::string prefix = std::string(path) + "\\";
    for (const std::string& section : m_document.SectionNames()) {
        const std::string key = Unescaped(section);
        if (SameName(key, path) || StartsWithNoCase(key, prefix))
            return true;
    }
    return false;
}

std::vector<std::string> RegistryHive::SubKeys(std::string_view path) const {
    const std::string prefix = path.empty() ? std::string() : std::string(path) + "\\";
    std::vector<std::string> children;
    for (const std::string& section : m_document.SectionNames()) {
        const std::string key = Unescaped(section);
        if (!StartsWithNoCase(key, prefix) || key.size() == prefix.size())
            continue;
        const std::string child =
            key.substr(prefix.size(), key.find('\\', prefix.size()) - prefix.size());
        const bool known = std::any_of(children.begin(), children.end(),
                                       [&](const std::string& c) { return SameName(c, child); });
        if (!child.empty() && !known)
            children.push_back(child);
    }
    return children;
}

std::vector<std::string> RegistryHive::ValueNames(std::string_view path) const {
    std::vector<std::string> names;
    const std::string section = Escaped(path, Field::KeyPath);
    for (const std::string& entry : m_document.KeyNames(section)) {
        const std::string name = ValueNameOf(entry);
        const bool known = std::any_of(names.begin(), names.end(),
                                       [&](const std::string& n) { return SameName(n, name); });
        if (!known && Value(path, name))
            names.push_back(name);
    }
    return names;
}

std::optional<RegistryValue> RegistryHive::Value(std::string_view path,
                                                 std::string_view name) const {
    const auto text = m_document.Value(Escaped(path, Field::KeyPath), EntryName(name));
    return text ? DecodedValue(*text) : std::nullopt;
}

void RegistryHive::CreateKey(std::string_view path) {
    // Each level gets its own section, so that the key stays when its values go.
    std::string level;
    for (std::string_view rest = path; !rest.empty();) {
        const size_t slash = rest.find('\\');
        level = JoinKeyPath(level, rest.substr(0, slash));
        const std::string section = Escaped(level, Field::KeyPath);
        const auto names = m_document.SectionNames();
        const bool exists = std::any_of(names.begin(), names.end(),
                                        [&](const std::string& s) { return SameName(s, section); });
        if (!exists) {
            // An entry makes the section; removing it leaves the header.
            m_document.SetValue(section, "@", "");
            m_document.RemoveKey(section, "@");
        }
        if (slash == std::string_view::npos)
            break;
        rest.remove_prefix(slash + 1);
    }
}

void RegistryHive::SetValue(std::string_view path, std::string_view name,
                            const RegistryValue& value) {
    CreateKey(path);
    m_document.SetValue(Escaped(path, Field::KeyPath), EntryName(name), EncodedValue(value));
}

bool RegistryHive::DeleteValue(std::string_view path, std::string_view name) {
    const std::string section = Escaped(path, Field::KeyPath);
    bool found = false;
    // Duplicates written by hand go too, so that no older copy shows through.
    while (m_document.Value(section, EntryName(name))) {
        m_document.RemoveKey(section, EntryName(name));
        found = true;
    }
    return found;
}

void RegistryHive::ClearKey(std::string_view path) {
    const std::string section = Escaped(path, Field::KeyPath);
    m_document.RemoveSection(section);
    if (!path.empty())
        CreateKey(path);
}
