#pragma once

// A plain report list for host dialogs: sorting on a column click, rows added from string
// lists (with the columns they need), a click anywhere on a row to select it, grid lines
// when owner-drawn, an outline of the selection while the list has no focus, and column
// widths read from the registry.

#include "vornui/platform/Collections.h"
#include "vornui/platform/ListCtrl.h"

#include <memory>
#include <vector>

class ListSortKeys;

class VORNUI_API CListCtrlEx : public CListCtrl {
    DECLARE_DYNCREATE(CListCtrlEx)
public:
    CListCtrlEx();
    ~CListCtrlEx() override;

    // Inserts column i with heading, width and format i, for i below `count`.
    void CreateColumns(char** const headings, int* const widths, int* const formats, int count);
    // Inserts a row at the top: the label, then one string per existing column; the
    // strings used leave the list.
    void AddItem(CStringList& strings);
    // 0 without inserting when `index` lies beyond the end, else 1.
    int AddItemAt(CStringList& strings, int index);
    // Appends a row, making the columns its strings need; the row's index.
    int AddItemTail(CStringList& strings);
    // The same from a vector, which it empties; -1 for an empty vector.
    int AddItemTail(std::vector<CString>& strings);
    int AddItemTailNumbered(CStringList& strings);
    int IsColumn(int column);
    int IsItem(int index);
    int GetSelectedItem(int after);
    int SelectItem(int index);
    int SelectAll();
    void SetModeFirstColumn(int mode) { m_nModeFirstColumn = mode; }
    int GetModeFirstColumn() const { return m_nModeFirstColumn; }
    void SetModeAnyColumn(int mode) { m_nModeAnyColumn = mode; }
    int GetModeAnyColumn() const { return m_nModeAnyColumn; }
    void SetModeGridLine(int horizontal, int vertical);
    int GetModeGridLineHorz() const { return m_nGridLineHorz; }
    int GetModeGridLineVert() const { return m_nGridLineVert; }
    void SetModeColumnWidths(const CString& key);

    // The comparison of a column click: both rows found by item data, their texts in
    // the sort column compared without case, reversed when descending.
    static int CompareFunc(LPARAM first, LPARAM second, LPARAM list);
    // `text` cut from its end until it fits `width` less `offset` with "...".
    static CString MakeShortString(CDC* dc, const char* text, int width, int offset);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void PreSubclassWindow() override;
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // Reflected notifications: sorting, the click modes, the double click's answer and
    // the selection's outline when the focus comes and goes.
    void OnColumnclick(NMHDR* header, LRESULT* result);
    void OnClick(NMHDR* header, LRESULT* result);
    void OnDblClick(NMHDR* header, LRESULT* result);
    void OnKillfocus(NMHDR* header, LRESULT* result);
    void OnSetfocus(NMHDR* header, LRESULT* result);

    // A click in column 0 beside the label selects the row.
    int m_nModeFirstColumn = 0;
    // A click anywhere on a row selects it.
    int m_nModeAnyColumn = 0;
    // The column last sorted (-1: none) and its direction.
    int m_nSortColumn = -1;
    int m_nSortAscending = 1;
    // The registry key under HKEY_CURRENT_USER with the column widths.
    CString m_strColumnWidthKey;
    // Grid lines of owner-drawn rows, under and right of each cell.
    int m_nGridLineHorz = 0;
    int m_nGridLineVert = 0;

private:
    int InsertRow(int index, CStringList& strings, bool makeColumns);
    void OutlineRow(int index, bool focusRectangle);

    std::unique_ptr<ListSortKeys> m_sortKeys; // while a column click sorts
};
