#pragma once

// How a list window class hands its messages to KListBase: KListCtrlEx binds it to a
// CListCtrl, KListViewEx to a CListView, with the same routing.

#include "vornui/lists/KListBase.h"
#include "vornui/platform/ListView.h"

inline CListCtrl* ListControlOf(CListCtrl& list) {
    return &list;
}

inline CListCtrl* ListControlOf(CListView& view) {
    return &view.GetListCtrl();
}

template <typename Control>
class KListBinding : public Control, public KListBase {
public:
    KListBinding() : KListBase(nullptr) { m_pListCtrl = ListControlOf(*this); }

    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1) {
        return KListBase::InsertColumn(column, heading, format, width, subItem);
    }
    int InsertColumn(int column, const LVCOLUMN* description) {
        return KListBase::InsertColumn(column, description);
    }
    CImageList* SetImageList(CImageList* list, int type) {
        return KListBase::SetImageList(list, type);
    }
    int HitTest(LVHITTESTINFO* info) { return KListBase::HitTest(info); }
    int HitTest(CPoint point, UINT* flags = nullptr) { return KListBase::HitTest(point, flags); }
    void DrawItem(LPDRAWITEMSTRUCT item) override { KListBase::DrawItem(item); }

protected:
    void OnSysColorChange() override {
        Control::OnSysColorChange();
        KListBase::OnSysColorChange();
    }
    BOOL OnEraseBkgnd(CDC* dc) override {
        return KListBase::OnEraseBkgnd(dc) || Control::OnEraseBkgnd(dc);
    }
    void OnHScroll(UINT code, UINT position, CWnd* bar) override {
        Control::OnHScroll(code, position, bar);
        InvalidateNonItemArea();
    }
    void OnSetFocus(CWnd* old) override {
        Control::OnSetFocus(old);
        KListBase::OnSetFocus();
    }
    void OnKillFocus(CWnd* next) override {
        Control::OnKillFocus(next);
        KListBase::OnKillFocus();
    }
    void OnLButtonDown(UINT flags, CPoint point) override {
        if (!KListBase::OnLButtonDown(point))
            Control::OnLButtonDown(flags, point);
    }
    void OnLButtonDblClk(UINT flags, CPoint point) override {
        if (!KListBase::OnLButtonDblClk(point))
            Control::OnLButtonDblClk(flags, point);
    }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
        if (!KListBase::OnKeyDown(key))
            Control::OnKeyDown(key, repeat, flags);
    }
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override {
        KListBase::OnKeyUp(key);
        Control::OnKeyUp(key, repeat, flags);
    }
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override {
        if (header->code == LVN_COLUMNCLICK)
            return OnColumnclick(header, result); // the parent hears of it too
        if (header->code == NM_CUSTOMDRAW)
            return OnCustomDraw(header, result);
        return Control::OnReflectedNotify(header, result);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const BOOL handled = Control::OnNotify(wParam, lParam, result);
        return KListBase::OnNotify(lParam) || handled;
    }
};
