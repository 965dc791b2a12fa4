#pragma once

// The rows of a template dialog's preview, kept as values and written as text only when
// the list asks for a cell. The list's rows carry callback texts (LPSTR_TEXTCALLBACK), so
// a preview of a million records formats just the rows that somebody reads or sees, and
// its list stores no text.

#include "vornui/platform/CTime.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ListCtrl.h"

#include <cstdint>
#include <deque>
#include <variant>

class VORNUI_API PreviewTable {
public:
    // Empties the table for rows of `columns` cells.
    void Reset(int columns);

    // Starts a row, whose cells follow from left to right.
    void StartRow() { ++m_rows; }
    // A cell showing `value` with "%.2f".
    void AddNumber(double value) { m_cells.emplace_back(value); }
    // A cell showing "-", for a value that is not valid.
    void AddMissing() { m_cells.emplace_back(kMissing); }
    // A cell showing `time` in `zone` with "%d/%m/%y %H:%M", taken in the zone as it is
    // now; empty when the time has no local form there.
    void AddLocalMinute(const CTime& time, CLocalZone& zone);

    // The rows started so far.
    int RowCount() const { return m_rows; }

    // Gives the emptied `list` one row per row of the table, its label a callback text.
    // Its parent answers the list's LVN_GETDISPINFO with AnswerTextRequest.
    void AppendRowsTo(CListCtrl& list) const;
    // Writes the text of the cell that `request` asks for into its buffer (cut to fit);
    // false when the table has no such cell.
    bool AnswerTextRequest(NMLVDISPINFO& request) const;

private:
    static constexpr char kMissing[] = "-";

    struct LocalMinute {
        int64_t localSeconds;
    };
    // A number, a local time, or a fixed text.
    using Cell = std::variant<double, LocalMinute, const char*>;

    // In blocks: a million rows are written once, never moved to a larger home as they come.
    std::deque<Cell> m_cells;
    int m_columns = 0;
    int m_rows = 0;
};
