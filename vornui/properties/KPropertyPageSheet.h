#pragma once

// A property page that holds a property sheet of sub-pages: a tab inside a tab. The inner
// sheet (a KPropertySheet, one row of tabs) fills the page, or the rectangle of a
// placeholder control on it: a group box's rectangle begins 12 pixels lower, and the sheet
// keeps 12 pixels from every edge. The page's OK and Cancel press the inner sheet's first,
// saving validates the inner active page too, and the inner pages answer
// PSM_QUERYSIBLINGS. Without sub-pages it is a plain KPropertyPage.
//
// The start page is the sub-page the inner sheet shows first, whether or not there is a
// placeholder; the inner sheet's extended style is the control-parent style only (the start
// page is not an extended style).

#include "vornui/properties/KPropertyPage.h"
#include "vornui/properties/KPropertySheet.h"

#include <vector>

// A property page with a sheet of sub-pages; see the file's comment.
class VORNUI_API KPropertyPageSheet : public KPropertyPage {
    DECLARE_DYNCREATE(KPropertyPageSheet)
public:
    KPropertyPageSheet();
    // The page's template and caption string, the sub-page shown first and the id of the
    // placeholder control (0: the whole page).
    KPropertyPageSheet(unsigned int idTemplate, unsigned int idCaption, unsigned int startPage,
                       unsigned int placeholderId);

    // Appends a sub-page (null is ignored); before the page is made. Not owned.
    void AddPage(KPropertyPage* page);
    int GetPageCount() const;
    // Null past the end.
    KPropertyPage* GetPage(int index) const;
    // The inner sheet's active page; null without sub-pages.
    KPropertyPage* GetActivePage() const;

    BOOL OnInitDialog() override;
    // Presses the inner sheet's OK, then does the page's own.
    void OnOK() override;
    // Presses the inner sheet's Cancel, then does the page's own.
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The inner sheet's active page answers.
    LRESULT OnQuerySiblings(WPARAM wParam, LPARAM lParam);

private:
    void PlaceInnerSheet();

    KPropertySheet m_sheet;
    unsigned int m_nStartPage = 0;
    unsigned int m_nPlaceholderId = 0;
    std::vector<KPropertyPage*> m_pages;
};
