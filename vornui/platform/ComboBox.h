#pragma once

// The "ComboBox" class: a selection field (an edit for CBS_SIMPLE and CBS_DROPDOWN, a fixed
// text for CBS_DROPDOWNLIST) over a list that drops down, with the CBN_* notifications in
// the system's order. The window is as high as its selection field; the height it was
// created with is the height of the dropped-down list. A simple combo box keeps its height
// and shows its list below the field as a child window of its own.

#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetLBText(int index, LPTSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int GetCurSel() const;
    int SetCurSel(int select);
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    void* GetItemDataPtr(int index) const;
    int SetItemDataPtr(int index, void* data);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(LPRECT rect) const;
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    BOOL LimitText(int maxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int start, int end);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetDroppedWidth() const;
    int SetDroppedWidth(UINT width);

    // Owner drawing (*_OWNERDRAWFIXED, *_OWNERDRAWVARIABLE): a class that draws its own
    // items overrides these; this one leaves them to the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT item);
    virtual void DeleteItem(LPDELETEITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
