#pragma once

// A resizable property sheet (KFPropertySheetEx) that can show an icon in its title bar
// and, as a wizard, keeps Back, Next and Finish right for the active page: a page that
// becomes active tells it through ChangedPage (KPropertyPage does).

#include "vornui/platform/Icons.h"
#include "vornui/properties/KFPropertySheetEx.h"

// A property sheet with a title icon and wizard buttons that follow the page.
class VORNUI_API KPropertySheet : public KFPropertySheetEx {
    DECLARE_DYNAMIC(KPropertySheet)
public:
    // An empty caption, no parent, the first page.
    KPropertySheet();
    // The caption (a string id or the text), the parent and the page shown first.
    explicit KPropertySheet(unsigned int idCaption, CWnd* parent = nullptr,
                            unsigned int selectPage = 0);
    explicit KPropertySheet(const char* caption, CWnd* parent = nullptr,
                            unsigned int selectPage = 0);

    // The icon resource `idIcon` (found through the resource chain) becomes the sheet's big
    // and small icon when it opens; 0 shows none.
    void ShowIconInTitleBar(unsigned int idIcon);
    // `page` became active: a wizard's buttons are posted for it (the last page Finish, with
    // Back when it is not also the first; the first page Next; any other Back and Next).
    virtual void ChangedPage(CPropertyPage* page);

    BOOL OnInitDialog() override;

protected:
    HICON m_hIcon = nullptr;
};
