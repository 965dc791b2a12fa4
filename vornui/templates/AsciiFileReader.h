#pragma once

// A data file held in memory whole and handed out one line at a time, the lines cut with
// the template's file chop settings. An unreadable file gives a reader at its end.

#include "vornui/platform/Export.h"
#include "vornui/templates/AsciiTokenizer.h"

#include <optional>
#include <string_view>

struct AsciiTemplate;

class VORNUI_API AsciiFileReader {
public:
    // The template is borrowed and must outlive the reader.
    AsciiFileReader(const char* path, const AsciiTemplate& templ);

    // Whether the lines are used up (at once for an unreadable file).
    bool IsEnd() const { return !m_bHasLine; }
    // The current line; nullptr at the end.
    const char* GetLine() const { return m_bHasLine ? m_line.data() : nullptr; }
    std::string_view GetLineView() const { return m_bHasLine ? m_line : std::string_view(); }
    // Moves to the next line, giving up the current one.
    void Next();
    // Gives up the content; the reader is at its end.
    void Close();

private:
    std::optional<AsciiTokenizer> m_lines;
    std::string_view m_line; // zero-terminated, inside the tokenizer's text
    bool m_bHasLine = false;
};
