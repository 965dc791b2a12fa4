#pragma once

// The framework's list view: a view whose window is a "SysListView32" control, which paints
// itself. GetListCtrl speaks to that control.

#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/View.h"

class VORNUI_API CListView : public CView {
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    ~CListView() override;

    CListCtrl& GetListCtrl() const;

    // Owner drawing (LVS_OWNERDRAWFIXED): a class that draws its rows overrides this.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    void OnDraw(CDC* dc) override;
    BOOL PreCreateWindow(CREATESTRUCT& create) override;
    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCT create) override;
    void OnPaint() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The control's wrapper; it speaks to this view's window without owning it.
    mutable CListCtrl m_list;
};
