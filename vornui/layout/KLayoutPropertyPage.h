#pragma once

// A property page whose controls a pane tree lays out. Derive from it, build the tree in
// OnInitDialog (after calling this class's), and the page lays the tree out on every size
// change and each time it becomes active, paints its background around the controls and
// tells its sheet the least and greatest size the tree allows (WM_GETMINMAXINFO), which a
// KLayoutPropertySheet turns into its own limits.
//
// In a wizard the page is pinned: nothing but its KLayoutPropertySheet moves or sizes it,
// so that the place the sheet gives it survives the wizard's own placing of its pages.
//
//     BOOL CLinePage::OnInitDialog() {
//         KLayoutPropertyPage::OnInitDialog();
//         UpdateLayout(CreateRoot(layVertical) << item(IDC_LINES) << item(IDC_NAME,
//         layAbsoluteVert)); return TRUE;
//     }

#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/PropertyPage.h"

class CPropertySheet;

// A property page laid out by a pane tree.
class VORNUI_API KLayoutPropertyPage : public CPropertyPage, public KLayoutMgr {
    DECLARE_DYNAMIC(KLayoutPropertyPage)
public:
    KLayoutPropertyPage();
    // The page of template `nIDTemplate` (or `lpszTemplateName`) whose tab reads the string
    // `nIDCaption` (0: the template's caption).
    explicit KLayoutPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit KLayoutPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // Lays out what tree there is already, and pins the page when its sheet is a wizard.
    BOOL OnInitDialog() override;
    // A wizard's page first takes the place its sheet keeps for pages; then the tree is
    // laid out again.
    BOOL OnSetActive() override;

protected:
    // Lays the tree out again.
    void OnSize(UINT type, int cx, int cy) override;
    // The tree's least and greatest size, root borders added.
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Paints the background around the controls (EraseBkgnd).
    BOOL OnEraseBkgnd(CDC* dc) override;
    // While the page is pinned, a move or a change of size is refused.
    void OnWindowPosChanging(WINDOWPOS* pos) override;
    // Brings the up-down controls back to their buddies when a hidden page shows again.
    void OnWindowPosChanged(WINDOWPOS* pos) override;
    // Lets go of the tree.
    void OnDestroy() override;

    bool m_bLockMove = false;       // pinned: moves and sizes are refused
    bool m_bReattachBuddies = true; // the up-down controls are set again once shown

private:
    friend class KLayoutPropertySheet;

    // The sheet around the page, when it is one.
    CPropertySheet* ParentSheet() const;
    bool InWizard() const;
    // Moves the page to `rect` of its sheet, pinned or not.
    void MoveUnlocked(const CRect& rect);
};
