#pragma once

// How a list window class hands its messages to KListBase: KListCtrlEx binds it to a
// CListCtrl, KListViewEx to a CListView, with the same routing.

#include "vornui/lists/KListBase.h"
#include "vornui/platform/ListView.h"

// The list control a binding window class is: itself, or the control of its view.
inline CListCtrl* ListControlOf(CListCtrl& list) {
    return &list;
}

// The list control of a view.
inline CListCtrl* ListControlOf(CListView& view) {
    return &view.GetListCtrl();
}

// KListBase mixed into the window class `Control`, with its messages routed to it.
template <typename Control>
class KListBinding : public Control, public KListBase {
public:
    // Serves the window itself.
    KListBinding();

    // KListBase's operations under the control's names.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    int InsertColumn(int column, const LVCOLUMN* description);
    CImageList* SetImageList(CImageList* list, int type);
    int HitTest(LVHITTESTINFO* info);
    int HitTest(CPoint point, UINT* flags = nullptr);
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    // The window's messages, handed to KListBase as the system's binding does.
    void OnSysColorChange() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnHScroll(UINT code, UINT position, CWnd* bar) override;
    void OnSetFocus(CWnd* old) override;
    void OnKillFocus(CWnd* next) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // A sort reads every row with these: the framework's dispatch would cost about as much
    // as the list's answer. They go to the list's own procedure, so a derived class does not
    // see them in WindowProc or DefWindowProc.
    LRESULT AskList(UINT message, WPARAM wParam, LPARAM lParam) override {
        return Control::DefWindowProc(message, wParam, lParam);
    }
};

template <typename Control>
KListBinding<Control>::KListBinding() : KListBase(nullptr) {
    m_pListCtrl = ListControlOf(*this);
}

template <typename Control>
int KListBinding<Control>::InsertColumn(int column, const char* heading, int format, int width,
                                        int subItem) {
    return KListBase::InsertColumn(column, heading, format, width, subItem);
}

template <typename Control>
int KListBinding<Control>::InsertColumn(int column, const LVCOLUMN* description) {
    return KListBase::InsertColumn(column, description);
}

template <typename Control>
CImageList* KListBinding<Control>::SetImageList(CImageList* list, int type) {
    return KListBase::SetImageList(list, type);
}

template <typename Control>
int KListBinding<Control>::HitTest(LVHITTESTINFO* info) {
    return KListBase::HitTest(info);
}

template <typename Control>
int KListBinding<Control>::HitTest(CPoint point, UINT* flags) {
    return KListBase::HitTest(point, flags);
}

template <typename Control>
void KListBinding<Control>::DrawItem(LPDRAWITEMSTRUCT item) {
    KListBase::DrawItem(item);
}

template <typename Control>
void KListBinding<Control>::OnSysColorChange() {
    Control::OnSysColorChange();
    KListBase::OnSysColorChange();
}

template <typename Control>
BOOL KListBinding<Control>::OnEraseBkgnd(CDC* dc) {
    return KListBase::OnEraseBkgnd(dc) || Control::OnEraseBkgnd(dc);
}

template <typename Control>
void KListBinding<Control>::OnHScroll(UINT code, UINT position, CWnd* bar) {
    Control::OnHScroll(code, position, bar);
    InvalidateNonItemArea();
}

template <typename Control>
void KListBinding<Control>::OnSetFocus(CWnd* old) {
    Control::OnSetFocus(old);
    KListBase::OnSetFocus();
}

template <typename Control>
void KListBinding<Control>::OnKillFocus(CWnd* next) {
    Control::OnKillFocus(next);
    KListBase::OnKillFocus();
}

template <typename Control>
void KListBinding<Control>::OnLButtonDown(UINT flags, CPoint point) {
    if (!KListBase::OnLButtonDown(point))
        Control::OnLButtonDown(flags, point);
}

template <typename Control>
void KListBinding<Control>::OnLButtonDblClk(UINT flags, CPoint point) {
    if (!KListBase::OnLButtonDblClk(point))
        Control::OnLButtonDblClk(flags, point);
}

template <typename Control>
void KListBinding<Control>::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (!KListBase::OnKeyDown(key))
        Control::OnKeyDown(key, repeat, flags);
}

template <typename Control>
void KListBinding<Control>::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    KListBase::OnKeyUp(key);
    Control::OnKeyUp(key, repeat, flags);
}

template <typename Control>
BOOL KListBinding<Control>::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code == LVN_COLUMNCLICK)
        return OnColumnclick(header, result); // the parent hears of it too
    if (header->code == NM_CUSTOMDRAW)
        return OnCustomDraw(header, result);
    return Control::OnReflectedNotify(header, result);
}

template <typename Control>
BOOL KListBinding<Control>::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const BOOL handled = Control::OnNotify(wParam, lParam, result);
    return KListBase::OnNotify(lParam) || handled;
}
