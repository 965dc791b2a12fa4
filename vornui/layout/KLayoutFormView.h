#pragma once

// A form view whose controls a pane tree lays out. It never scrolls: every size change
// makes the content exactly as large as the view and lays the tree out in it. Build the
// tree in OnInitialUpdate (after calling this class's). Its placement is the frame's
// business; it is neither loaded nor saved here.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/FormView.h"

// A form view laid out by a pane tree.
class VORNUI_API KLayoutFormView : public CFormView, public KLayoutMgr {
    DECLARE_DYNAMIC(KLayoutFormView)
public:
    // The form of template `nIDTemplate`; `section` is kept but never used for placement.
    explicit KLayoutFormView(UINT nIDTemplate, LPCTSTR section = nullptr);

protected:
    // Makes the content as large as the view, so that no scroll bar shows, and lays the
    // tree out in it.
    void OnSize(UINT type, int cx, int cy) override;
    // The tree's limits for the frame around the view: the parent's size minus the view's.
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Paints the background around the controls (EraseBkgnd).
    BOOL OnEraseBkgnd(CDC* dc) override;
};
