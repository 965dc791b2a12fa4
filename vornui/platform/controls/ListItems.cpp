#include "vornui/platform/internal/ListItems.h"

#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/internal/ControlPaint.h"

#include <algorithm>
#include <cstring>

int ListItems::Add(const CString& text, bool sorted) {
    auto at = m_items.end();
    if (sorted)
        at = std::upper_bound(m_items.begin(), m_items.end(), text,
                              [](const CString& value, const ListItem& item) {
                                  return value.CompareNoCase(item.text) < 0;
                              });
    const auto inserted = m_items.insert(at, ListItem{text, 0, false});
    return static_cast<int>(inserted - m_items.begin());
}

int ListItems::Insert(int index, const CString& text) {
    if (index == -1)
        index = Count();
    if (index < 0 || index > Count())
        return -1;
    m_items.insert(m_items.begin() + index, ListItem{text, 0, false});
    return index;
}

void ListItems::Delete(int index, int& current) {
    m_items.erase(m_items.begin() + index);
    if (current == index)
        current = -1;
    else if (current > index)
        --current;
}

int ListItems::Find(int start, const char* prefix, bool exact) const {
    if (!prefix || m_items.empty())
        return -1;
    const CString wanted(prefix);
    const int first = Valid(start) ? start + 1 : 0;
    for (int step = 0; step < Count(); ++step) {
        const int index = (first + step) % Count();
        const CString& text = m_items[static_cast<size_t>(index)].text;
        const CString compared = exact ? text : text.Left(wanted.GetLength());
        if (compared.CompareNoCase(wanted) == 0)
            return index;
    }
    return -1;
}

int ListItems::FindTyped(int start, char typed) const {
    const char prefix[2] = {typed, '\0'};
    return Find(start, prefix, false);
}

std::optional<LRESULT> ListItems::AnswerQuery(const ItemQueryCodes& codes, UINT message,
                                              WPARAM wParam, LPARAM lParam) const {
    constexpr LRESULT kError = -1;
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (message == codes.count)
        return Count();
    if (message == codes.text)
        return CopyText(index, lParam);
    if (message == codes.textLength)
        return Valid(index) ? (*this)[index].text.GetLength() : kError;
    if (message == codes.data)
        return Valid(index) ? static_cast<LRESULT>((*this)[index].data) : kError;
    if (message == codes.find || message == codes.findExact)
        return Find(index, reinterpret_cast<LPCTSTR>(lParam), message == codes.findExact);
    return std::nullopt;
}

LRESULT ListItems::CopyText(int index, LPARAM buffer) const {
    if (!Valid(index) || !buffer)
        return -1;
    const CString& text = (*this)[index].text;
    std::memcpy(reinterpret_cast<char*>(buffer), text.GetString(),
                static_cast<size_t>(text.GetLength()) + 1);
    return text.GetLength();
}

int WholeRowsHeight(RowHeights rows, int room) {
    if (rows.variable || rows.fixed <= 0 || room <= 0)
        return room;
    return room - room % rows.fixed;
}

int ListItems::RowHeight(RowHeights rows, int index) const {
    return rows.variable && Valid(index) ? (*this)[index].height : rows.fixed;
}

int ListItems::RowOffset(RowHeights rows, int top, int index) const {
    if (!rows.variable)
        return (index - top) * rows.fixed;
    int offset = 0;
    for (int each = top; each < index; ++each)
        offset += RowHeight(rows, each);
    for (int each = index; each < top; ++each)
        offset -= RowHeight(rows, each);
    return offset;
}

int ListItems::RowAt(RowHeights rows, int top, int y) const {
    if (!rows.variable)
        return top + y / rows.fixed;
    int index = top;
    for (int bottom = 0; index < Count(); ++index) {
        bottom += RowHeight(rows, index);
        if (y < bottom)
            break;
    }
    return index;
}

int ListItems::RowsFitting(RowHeights rows, int top, int room) const {
    if (!rows.variable)
        return std::max(1, room / rows.fixed);
    int count = 0;
    for (int y = 0, index = top; index < Count(); ++index, ++count) {
        y += RowHeight(rows, index);
        if (y > room)
            break;
    }
    return std::max(1, count);
}

void PaintListWindow(HWND hwnd, const ListItems& items, ListLook look, bool multiple) {
    ControlPaintScope paint(hwnd, WM_CTLCOLORLISTBOX);
    std::vector<std::string_view> texts;
    for (int index = 0; index < items.Count(); ++index) {
        texts.push_back(items[index].text.view());
        look.selected.push_back(multiple ? items[index].selected : index == look.caret);
    }
    PaintListItems(paint.dc(), paint.client(), texts, look, paint.palette());
}
