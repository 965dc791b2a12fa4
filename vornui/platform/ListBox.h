#pragma once

// The "ListBox" class: a list of strings with single, multiple or extended selection,
// item data, sorting, and the LBN_* notifications (sent with LBS_NOTIFY).

#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetText(int index, LPTSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int GetCurSel() const;
    int SetCurSel(int select);
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int maxItems, LPINT items) const;
    int SelItemRange(BOOL select, int first, int last);
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    void* GetItemDataPtr(int index) const;
    int SetItemDataPtr(int index, void* data);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemRect(int index, LPRECT rect) const;
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetCaretIndex() const;
    int SetCaretIndex(int index, BOOL scroll = TRUE);
    int GetAnchorIndex() const;
    void SetAnchorIndex(int index);
    int GetHorizontalExtent() const;
    void SetHorizontalExtent(int extent);
    // Tab stops in dialog units (LBS_USETABSTOPS): none gives every 32, one every its value.
    BOOL SetTabStops();
    BOOL SetTabStops(const int& eachStop);
    BOOL SetTabStops(int count, LPINT stops);
    // The item at `point` (client coordinates); `outside` tells whether the point lies
    // outside the client area.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;

    // Owner drawing (*_OWNERDRAWFIXED, *_OWNERDRAWVARIABLE): a class that draws its own
    // items overrides these; this one leaves them to the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT item);
    virtual void DeleteItem(LPDELETEITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
