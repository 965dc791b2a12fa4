#include "vornui/templates/PreviewTable.h"

#include "vornui/templates/PreviewText.h"

#include <algorithm>
#include <cstring>

namespace {

void CopyCut(const char* text, LPSTR buffer, int size) {
    if (!buffer || buffer == LPSTR_TEXTCALLBACK || size <= 0)
        return;
    const size_t length = std::min(std::strlen(text), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

} // namespace

void PreviewTable::Reset(int columns) {
    m_cells.clear();
    m_columns = std::max(columns, 0);
    m_rows = 0;
}

// The local time is fixed when the row is read, so that a row reads the same whenever it
// is shown.
void PreviewTable::AddLocalMinute(const CTime& time, CLocalZone& zone) {
    int64_t local = 0;
    if (zone.UtcToLocalSeconds(time.GetTime(), local))
        m_cells.emplace_back(LocalMinute{local});
    else
        m_cells.emplace_back("");
}

// The rows are counted first, so that the list makes room for them all at once. A row
// whose label is a callback has its parent asked for its other columns too, so each row
// takes one insert.
void PreviewTable::AppendRowsTo(CListCtrl& list) const {
    const int rows = RowCount();
    list.SetItemCount(rows);
    for (int row = 0; row < rows; ++row)
        list.InsertItem(row, LPSTR_TEXTCALLBACK);
}

bool PreviewTable::AnswerTextRequest(NMLVDISPINFO& request) const {
    const LVITEM& item = request.item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= RowCount() ||
        item.iSubItem < 0 || item.iSubItem >= m_columns)
        return false;
    const size_t index = static_cast<size_t>(item.iItem) * static_cast<size_t>(m_columns) +
                         static_cast<size_t>(item.iSubItem);
    if (index >= m_cells.size())
        return false;
    const Cell& cell = m_cells[index];
    PreviewNumberText number;
    PreviewTimeText time;
    const char* text = std::visit(
        [&](const auto& value) -> const char* {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, double>)
                return FormatTwoDecimals(value, number);
            else if constexpr (std::is_same_v<Value, LocalMinute>)
                return FormatLocalMinute(value.localSeconds, time);
            else
                return value;
        },
        cell);
    CopyCut(text, item.pszText, item.cchTextMax);
    return true;
}
