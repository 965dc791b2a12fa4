#pragma once

// The library's property page: a touched page (CTouched) whose tab shows " *" while the
// page holds changes, and which tells a KPropertySheet when it becomes active so that a
// wizard's buttons fit the page.
//
// The tab text is the page's caption with trailing spaces and asterisks taken off; it is
// remembered from the caption string, else from the tab itself the first time it is
// needed. SetPageTouched(false) takes the marker away and enables nothing; the touched
// items stay until they are removed one by one.
//
// SetPageTouched on a page whose window does not exist yet just stores the state: there
// is no tab to mark, and the page's first activation shows the state it has then.

#include "vornui/platform/Export.h"
#include "vornui/properties/CTouched.h"

// The library's property page; see the file's comment.
class VORNUI_API KPropertyPage : public CTouched<CPropertyPage> {
    DECLARE_DYNCREATE(KPropertyPage)
public:
    KPropertyPage();
    // The dialog template (by id or name) and the string whose text is the tab's.
    KPropertyPage(unsigned int idTemplate, unsigned int idCaption);
    KPropertyPage(const char* templateName, unsigned int idCaption);

    // Stores the state, marks the page modified when touched and puts " *" on its tab or
    // takes it away.
    void SetPageTouched(bool touched) override;
    // The tab text without the marker.
    CString GetCaption() const;
    // Whether a KPropertySheet above the page is refitting its pages now (the page may
    // then leave its own layout alone).
    bool PageIsResizing() const;

    BOOL OnInitDialog() override;
    // Lets a KPropertySheet fit its wizard buttons, remembers the tab text and shows the
    // touched state on the tab.
    BOOL OnSetActive() override;
    // Validates the page before the wizard may finish.
    BOOL OnWizardFinish() override;

private:
    void ShowTouchedOnTab(bool touched);
};
