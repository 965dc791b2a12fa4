#pragma once

// A dialog bar whose controls a pane tree lays out. Derive from it and build the tree in
// Initialize, which runs when the bar's dialog is initialised; the bar lays it out on
// every size change, docked or floating. Its placement is the frame's business.

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/DialogBar.h"

// A dialog bar laid out by a pane tree.
class VORNUI_API KLayoutDialogBar : public CDialogBar, public KLayoutMgr {
    DECLARE_DYNAMIC(KLayoutDialogBar)
public:
    KLayoutDialogBar();

    // Where a derived bar builds its tree; FALSE here.
    virtual BOOL Initialize();
    // The client area; 4 pixels less on each side while the bar floats, for the small
    // frame's border.
    CRect GetRect() override;

protected:
    // Runs Initialize once the bar's dialog is initialised.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Lays the tree out again, and the bar's own control bars.
    void OnSize(UINT type, int cx, int cy) override;
    // Paints the background around the controls (EraseBkgnd).
    BOOL OnEraseBkgnd(CDC* dc) override;
};
