#pragma once

// An INI-style profile held as its lines, so that a write changes exactly the line it
// concerns and leaves every other byte of the file as it was. Section and key names
// match case-insensitively (code page 1252); the first of duplicate sections or keys
// wins, as with the system's profile functions. Names handed in lose their surrounding
// blanks, both to look up and to write; values are written as given. A line without '='
// inside a section is no key. A UTF-8 byte order mark at the start is skipped, and kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view content);

    std::string Serialize() const;
    bool IsEmpty() const { return m_lines.empty(); }

    // The value with surrounding blanks removed; nullopt when section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);
    void RemoveSection(std::string_view section);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name; // section or key name, blanks removed
        std::string value;
    };
    struct SectionRange {
        size_t header;
        size_t end; // one past the section's last line
    };

    static Line ParseLine(std::string text);
    std::optional<SectionRange> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const SectionRange& range, std::string_view key) const;
    void InsertLine(size_t at, std::string text);

    std::vector<Line> m_lines;
    std::string_view m_byteOrderMark;
    std::string m_newline = "\n";
    bool m_endsWithNewline = true;
};
