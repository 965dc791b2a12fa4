#pragma once

// The columns of one data line, cut with the template's column chop settings.

#include "vornui/platform/Export.h"
#include "vornui/templates/AsciiChopTable.h"
#include "vornui/templates/AsciiField.h"

#include <string>
#include <string_view>
#include <vector>

struct AsciiTemplate;

class VORNUI_API AsciiColumnList {
public:
    // The template is borrowed and must outlive the list.
    explicit AsciiColumnList(const AsciiTemplate& templ);
    AsciiColumnList(std::string_view line, const AsciiTemplate& templ);

    // Replaces the columns with those of `line`, reusing the storage.
    void Split(std::string_view line);
    // The number of columns.
    int GetCount() const { return static_cast<int>(m_starts.size()); }
    // The column's text; nullptr outside 0 ... GetCount() - 1.
    const char* GetText(int index) const {
        if (index < 0 || index >= GetCount())
            return nullptr;
        return m_columns.data() + m_starts[static_cast<size_t>(index)];
    }
    // The column with its type (type 0 beyond the template's column types).
    AsciiField GetField(int index) const;

private:
    const AsciiTemplate* m_template;
    AsciiChopTable m_chop;
    std::string m_columns;        // every column, each followed by a zero byte
    std::vector<size_t> m_starts; // where each column begins in m_columns
};
