#pragma once

// A resizable dialog whose controls a pane tree lays out. Derive from it, build the tree
// in OnInitDialog (after calling this class's), and the dialog keeps itself between the
// tree's least and greatest size, lays the tree out on every size change, paints its
// background around the controls, shows a size grip when asked, and, given a profile
// section, comes back where the user left it.
//
//     BOOL CTideDlg::OnInitDialog() {
//         KLayoutDialog::OnInitDialog();
//         UpdateLayout(CreateRoot(layVertical) << item(IDC_LIST) << item(IDOK, layFixedSize));
//         return TRUE;
//     }

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/StatusBar.h"

// A dialog laid out by a pane tree.
class VORNUI_API KLayoutDialog : public CDialog, public KLayoutMgr {
    DECLARE_DYNAMIC(KLayoutDialog)
public:
    // The dialog of template `nIDTemplate`; `section` names where its placement is kept in
    // the application profile (null: nowhere); `bGripper` shows a size grip.
    explicit KLayoutDialog(UINT nIDTemplate, CWnd* pParent = nullptr, LPCTSTR section = nullptr,
                           bool bGripper = true);

    // The client area; with a grip, it ends 5 pixels (after the root border) inside the
    // grip bar's top.
    CRect GetRect() override;
    // Makes the dialog resizable, restores its placement and makes the grip.
    BOOL OnInitDialog() override;

protected:
    // Lays the tree out again and moves the grip bar to the new bottom.
    void OnSize(UINT type, int cx, int cy) override;
    // The tree's least and greatest size, frame and root borders added.
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Paints the background around the controls (EraseBkgnd).
    BOOL OnEraseBkgnd(CDC* dc) override;
    // Keeps the placement in the profile and lets go of the tree.
    void OnDestroy() override;

    // The application's document icon, when it has a document template, as the small icon.
    void ShowDocumentIcon();

    bool m_bGripper;        // whether a size grip is shown
    CStatusBar m_StatusBar; // the bar that carries the grip
};
