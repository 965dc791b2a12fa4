#include "vornui/edits/CmEdit.h"

#include <string>
#include <string_view>

namespace {

// Every character from `first` to `last`, compared as signed characters; the counter is an
// int so that a range ending at 0x7F or 0xFF ends. 0 is left out: it means "empty".
void AddRange(char first, char last, std::string& valid) {
    for (int ch = static_cast<signed char>(first); ch <= static_cast<signed char>(last); ++ch)
        if (ch != 0)
            valid += static_cast<char>(ch);
}

// Reads the items of a set from `at` (just after its '[') into `valid`; returns the index
// after the closing ']', or the end of the mask when the set is not closed.
size_t ReadSet(std::string_view mask, size_t at, std::string& valid) {
    while (at < mask.size() && mask[at] != ']') {
        const char item = mask[at];
        if (item == '\\' && at + 1 < mask.size() && mask[at + 1] == ']') {
            valid += ']';
            at += 2;
        } else if (item != '\\' && at + 2 < mask.size() && mask[at + 1] == '-') {
            AddRange(item, mask[at + 2], valid);
            at += 3;
        } else {
            valid += item;
            ++at;
        }
    }
    return at < mask.size() ? at + 1 : at;
}

std::vector<CmEditChar> ParseMask(std::string_view mask) {
    std::vector<CmEditChar> positions;
    size_t at = 0;
    while (at < mask.size()) {
        // An escaped bracket is a literal: \[[0-9]\] shows as [_].
        if (mask[at] == '\\' && at + 1 < mask.size() &&
            (mask[at + 1] == '[' || mask[at + 1] == ']')) {
            positions.emplace_back(mask[at + 1]);
            at += 2;
        } else if (mask[at] == '[') {
            std::string valid;
            at = ReadSet(mask, at + 1, valid);
            positions.emplace_back(CString(valid));
        } else {
            positions.emplace_back(mask[at]);
            ++at;
        }
    }
    return positions;
}

} // namespace

void CmEdit::SetMask(CString mask) {
    m_aChars = ParseMask(mask.view());
    Refresh();
}
