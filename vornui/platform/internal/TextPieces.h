#pragma once

// Lists written as text ("*.txt; *.dat", "Window; Scrollbar", "name = value"), taken apart
// the one way every reader of them here expects.

#include <string_view>
#include <vector>

// `text` without the `blanks` around it.
inline std::string_view TrimmedText(std::string_view text, std::string_view blanks = " ") {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The entries of `text` between `separator`s, each without the blanks around it; empty
// entries are left out.
inline std::vector<std::string_view> SplitTrimmed(std::string_view text, char separator) {
    std::vector<std::string_view> entries;
    while (true) {
        const size_t end = text.find(separator);
        if (const std::string_view entry = TrimmedText(text.substr(0, end)); !entry.empty())
            entries.push_back(entry);
        if (end == std::string_view::npos)
            return entries;
        text.remove_prefix(end + 1);
    }
}
