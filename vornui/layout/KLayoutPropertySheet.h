#pragma once

// A resizable property sheet (or wizard) laid out by a pane tree: the tab control takes
// what the button row leaves, the buttons keep to the bottom right, and the active page
// fills the tab control's display area after every size change. Pages laid out by trees
// of their own (KLayoutPropertyPage) set the sheet's least size: the largest least size
// of the pages made so far, with the tab control, the buttons, the root borders and the
// frame around it, and never less than the size the sheet was made with.
//
// The greatest size is this class's own choice: when every page made so far has a
// greatest size of its own (a KLayoutPropertyPage whose tree has one), the sheet's is the
// smallest of them with the same overheads around it as the page area has now, per
// direction, and never less than the least size; while any page can grow without end, so
// can the sheet.
//
// The button row follows the sheet's flags: Back and Next touch, 12 pixels before the
// wizard's other buttons; Finish shares Next's place unless PSH_WIZARDHASFINISH is set;
// Apply goes with PSH_NOAPPLYNOW, Help without PSH_HASHELP. A modeless sheet has no row
// unless ModelessWithButtons() was called before it was made (its buttons work then as a
// modal sheet's do, and the host destroys the sheet when OK or Cancel ended it); a wizard
// always has one.
//
// Given a profile section, the sheet comes back where the user left it. A sheet made with
// new may delete itself (SetAutoDestroy) and its pages (SetAutoDestroyPages) once its
// window is gone; use that for modeless sheets only, as nothing may touch the object then.
//
//     KLayoutPropertySheet sheet("Line plan", this, 0, "Line plan");
//     sheet.AddPage(&linesPage);
//     sheet.AddPage(&speedPage);
//     sheet.DoModal();

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/PropertySheet.h"
#include "vornui/platform/StatusBar.h"

// A property sheet laid out by a pane tree.
class VORNUI_API KLayoutPropertySheet : public CPropertySheet, public KLayoutMgr {
    DECLARE_DYNAMIC(KLayoutPropertySheet)
public:
    // The sheet with the caption `nIDCaption` (a string id) or `pszCaption`, showing page
    // `iSelectPage` first; `section` names where its placement is kept in the application
    // profile (null: nowhere); `bGripper` shows a size grip.
    explicit KLayoutPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                                  LPCTSTR section = nullptr, bool bGripper = false);
    explicit KLayoutPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr,
                                  UINT iSelectPage = 0, LPCTSTR section = nullptr,
                                  bool bGripper = false);

    // Builds the tree (main area, divider, buttons, grip), restores the placement and lays
    // everything out.
    BOOL OnInitDialog() override;

    // Puts the main area into the root: the tab control's item. Override to add more.
    virtual void AddMainArea(CPane root, CPaneBase tabItem);
    // Fills the button row: a growing space, then the sheet's buttons at their own size.
    virtual void AddButtons(CPane buttons);

    // A modeless sheet keeps its button row (call before Create).
    void ModelessWithButtons() { m_bModelessWithButtons = true; }
    // The sheet deletes itself once its window is gone.
    void SetAutoDestroy() { m_bAutoDestroy = true; }
    // The sheet deletes its pages once its window is gone.
    void SetAutoDestroyPages() { m_bAutoDestroyPages = true; }

    // Where the active page sits, in client coordinates: the tab control's display area (in
    // a wizard, the hidden tab control's rectangle and 5 pixels below).
    const CRect& GetPageRect() const { return m_rectPage; }

protected:
    // Gives the sheet a sizing frame and a window menu.
    int OnCreate(LPCREATESTRUCT create) override;
    // Lays the tree out again and puts the active page into its new place.
    void OnSize(UINT type, int cx, int cy) override;
    // The least and greatest sizes described above.
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Paints the background around the controls (EraseBkgnd).
    BOOL OnEraseBkgnd(CDC* dc) override;
    // Keeps the placement in the profile and lets go of the tree.
    void OnDestroy() override;
    // Deletes the pages and the sheet, as asked.
    void PostNcDestroy() override;

    CRect m_rectInitialWindow;           // the window as it was made: the least size
    CRect m_rectPage;                    // where the active page sits
    bool m_bGripper;                     // whether a size grip is shown
    CStatusBar m_StatusBar;              // the bar that carries the grip
    CPaneBase m_paneTab;                 // the tab control's item; its minima follow the pages
    bool m_bAutoDestroy = false;         // delete the sheet when its window is gone
    bool m_bAutoDestroyPages = false;    // delete the pages then
    bool m_bModelessWithButtons = false; // a modeless sheet keeps its button row

private:
    // Builds the tree in the order the sheet's layout wants it.
    void BuildTree();
    // Whether this sheet has a row of buttons.
    bool HasButtonRow() const;
    // Lays the sheet out for a client of cx x cy: tree, Finish, grip bar, page.
    void Arrange(int cx, int cy);
    // Puts the active page where the tab control's item now leaves room for it.
    void PlaceActivePage();
};
