#pragma once

// The engine behind the library's report lists: click-to-sort on column titles (text,
// numbers, or texts with their "_S" part first), an arrow in the sorted column's title, a
// tint over the sorted column, columns and rows made from string lists, and for owner-drawn
// lists the drawing of every row, with texts shortened by "..." and the label kept in the
// leftmost displayed column when the person moves column 0. It is not a window: a list
// class mixes it in beside CListCtrl (KListCtrlEx) or CListView (KListViewEx) and routes
// its messages here.

#include "vornui/lists/ListSortKeys.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/ListCtrl.h"

#include <memory>

class VORNUI_API KListBase {
public:
    explicit KListBase(CListCtrl* list);
    KListBase(const KListBase&) = delete;
    KListBase& operator=(const KListBase&) = delete;

    // Inserts a row at the top from `strings` (label, then one per existing column), which
    // loses the strings used; the row's index, or a negative value when none was made.
    int AddItem(CStringList& strings);
    void CreateColumns(char** const headings, int* const widths, int* const formats, int count);
    void ColorSortColumn(bool color);
    void EnableSortIcon(bool enable, int column);
    void SetSortIcon();
    void SortList(int column, int ascending);
    static int CompareFunc(LPARAM first, LPARAM second, LPARAM base);
    bool KeepLabelLeft(bool keep);
    int IndexToOrder(int column);
    int IsColumn(int column);
    int IsItem(int index);
    bool getSortAscending() const { return m_bSortAscending; }
    int getSortColumn() const { return m_nSortColumn; }
    bool getSortNumbers() const { return m_bSortNumbers; }
    bool getSplitSort() const { return m_bSplitSort; }
    void setSortAscending(bool ascending);
    void setSortNumbers(bool numbers) { m_bSortNumbers = numbers; }

    static constexpr int m_nFirstColXOff = 2;
    static constexpr int m_nNextColXOff = 6;
    static constexpr int m_nIconXOff = 4;

protected:
    ~KListBase();

    int InsertColumn(int column, const char* heading, int format, int width, int subItem);
    int InsertColumn(int column, const LVCOLUMN* description);
    CImageList* SetImageList(CImageList* list, int type);
    int HitTest(CPoint point, UINT* flags);
    int HitTest(LVHITTESTINFO* info);
    int OrderToIndex(int order);
    void DrawItem(LPDRAWITEMSTRUCT item);
    BOOL OnColumnclick(NMHDR* header, LRESULT* result);
    BOOL OnCustomDraw(NMHDR* header, LRESULT* result);
    BOOL OnEraseBkgnd(CDC* dc);
    BOOL OnKeyDown(UINT key);
    BOOL OnKeyUp(UINT key);
    BOOL OnLButtonDown(CPoint point);
    BOOL OnLButtonDblClk(CPoint point);
    BOOL OnNotify(LPARAM lParam);
    void OnSysColorChange();
    void OnSetFocus() {}
    void OnKillFocus() {}

    // Reads row `index` with its label into `text`; false when the row cannot be read.
    bool GetLVITEM(int index, LVITEM& item, CString& text);
    // The width of the label column's text as drawn (shortened to fit).
    int GetLabelWidth(CDC* dc, int index, const char* text);
    BOOL GetRealSubItemRect(int index, int column, int area, CRect& rect);
    BOOL GetStateIconRect(int index, LPRECT rect);
    void InvalidateNonItemArea();
    void JustifyFirstColumn(int format);
    static CString MakeShortString(CDC* dc, const char* text, int width);
    void CreateSortIcons();

    virtual void DrawSmallIcon(CDC* dc, LVITEM* item, RECT* rect);
    virtual void DrawStateIcon(CDC* dc, LVITEM* item, RECT* rect);
    virtual void DrawSubItemText(CDC* dc, LVITEM* item, LVCOLUMN* column, RECT* rect);

    CListCtrl* m_pListCtrl;
    bool m_bSortIconEnabled = false;
    bool m_bColorSortColumn = false;
    CImageList m_SortIconList;
    CBitmap m_UpBitmap;
    CBitmap m_DownBitmap;
    int m_nUpIconIndex = -1;
    int m_nDownIconIndex = -1;
    COLORREF m_SortColumnColor = 0;
    int m_nSortColumn = 0;
    int m_nFirstColumnFormat = LVCFMT_LEFT;
    bool m_bKeepLabelLeft = false;
    bool m_bControlKeyDown = false;
    bool m_bSortAscending = true;
    bool m_bSortNumbers = false;
    bool m_bSplitSort = false;

private:
    bool OwnerDrawn() const;
    bool LabelMoved();
    int LabelColumn();
    // The sort column's band, shifted by the horizontal scrolling; empty without one.
    CRect SortColumnBand();
    int ScrollX() const;
    int WidestText(int column);
    int LabelOffset(int index);
    void AutosizeColumns();
    void PaintFirstColumnStrip(NMLVCUSTOMDRAW* draw);
    void DrawCell(CDC* dc, int index, int column, LVITEM& item, const CString& label,
                  CRect& labelHighlight);
    void SortByKeys();

    // The keys of the sort that is running, if any.
    std::unique_ptr<ListSortKeys> m_sortKeys;
};
