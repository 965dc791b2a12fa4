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
#include <vector>

class VORNUI_API KListBase {
public:
    // Serves `list`, the window class the base is mixed into.
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

    // Pixel insets of the owner-drawn cells: the label's text, other columns' texts,
    // the state image.
    static constexpr int m_nFirstColXOff = 2;
    static constexpr int m_nNextColXOff = 6;
    static constexpr int m_nIconXOff = 4;

protected:
    ~KListBase();

    // A message for the list's own rows that neither the framework nor this class handles,
    // sent to the list; the window class that binds this one hands it straight to the
    // list's procedure instead.
    virtual LRESULT AskList(UINT message, WPARAM wParam, LPARAM lParam);

    // Column 0's format is kept, and justifies its title in owner-drawn and full-row lists.
    int InsertColumn(int column, const char* heading, int format, int width, int subItem);
    int InsertColumn(int column, const LVCOLUMN* description);
    // For small images, gives the arrows back to the header, which lost them.
    CImageList* SetImageList(CImageList* list, int type);
    // The control's hit test, refined for owner-drawn rows to the label, icon and state
    // image where KListBase draws them.
    int HitTest(CPoint point, UINT* flags);
    int HitTest(LVHITTESTINFO* info);
    // The column displayed at position `order`.
    int OrderToIndex(int order);
    // Draws one row of an owner-drawn list.
    void DrawItem(LPDRAWITEMSTRUCT item);
    // Handlers the binding window class routes here; TRUE when the message was handled.
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

    // How an owner-drawn cell draws its small icon, its state image and its text;
    // derived classes change the look here.
    virtual void DrawSmallIcon(CDC* dc, LVITEM* item, RECT* rect);
    virtual void DrawStateIcon(CDC* dc, LVITEM* item, RECT* rect);
    virtual void DrawSubItemText(CDC* dc, LVITEM* item, LVCOLUMN* column, RECT* rect);

    // The list control served.
    CListCtrl* m_pListCtrl;
    // The arrow in the sort column's title, and the tint of the sort column.
    bool m_bSortIconEnabled = false;
    bool m_bColorSortColumn = false;
    // The arrows (9 x 5 pixels, 13307 up, 13306 down) and their places in the list.
    CImageList m_SortIconList;
    CBitmap m_UpBitmap;
    CBitmap m_DownBitmap;
    int m_nUpIconIndex = -1;
    int m_nDownIconIndex = -1;
    // The tint, made from the list's background.
    COLORREF m_SortColumnColor = 0;
    // The column last sorted, column 0's format, and the label kept left.
    int m_nSortColumn = 0;
    int m_nFirstColumnFormat = LVCFMT_LEFT;
    bool m_bKeepLabelLeft = false;
    // Ctrl held while column 0 is not displayed first.
    bool m_bControlKeyDown = false;
    // The direction, numbers instead of texts, and the "_S" part first.
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
    // What the strip before each row's label needs that stays the same for one painting.
    struct StripLook {
        bool known = false;    // the header has column 0
        CRect column;          // column 0's title, shifted by the horizontal scrolling
        bool moved = false;    // column 0 is not displayed first
        bool fullRow = false;  // LVS_EX_FULLROWSELECT
        COLORREF plain = 0;    // the strip of a row drawn plainly
        COLORREF selected = 0; // the strip of a selected row of a moved full-row column 0
        bool showsSelection = false;
        bool images = false; // the list has a state or small image list
    };
    void ReadStripLook();
    void PaintFirstColumnStrip(NMLVCUSTOMDRAW* draw);
    void DrawCell(CDC* dc, int index, int column, LVITEM& item, const CString& label,
                  CRect& labelHighlight);
    // The item data of every row, and the keys of their texts in the sort column.
    std::unique_ptr<ListSortKeys> ReadSortKeys(std::vector<LPARAM>& data);
    void SortByKeys(std::unique_ptr<ListSortKeys> keys);
    // CompareFunc's answer when the keys' table cannot give it at once.
    int CompareSlowly(LPARAM first, LPARAM second);
    // The comparison of the rows with `first` and `second` read from the list as it is now.
    int CompareCells(LPARAM first, LPARAM second);

    // Read when a painting starts, for each row it paints.
    StripLook m_stripLook;
    // The keys of the sort that is running, if any.
    std::unique_ptr<ListSortKeys> m_sortKeys;
};
