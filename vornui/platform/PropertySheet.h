#pragma once

// The framework's property sheet: the system's sheet (PropertySheetControl.h) around
// CPropertyPage objects, modal (DoModal, with its nested loop) or modeless (Create). The
// pages are handed to the system when the sheet is made (BuildPropPageArray); the sheet's
// buttons act inside the system's sheet unless a handler of the message map takes the
// command first. DoModal returns the id of the button that ended the sheet (IDOK,
// IDCANCEL, ID_WIZFINISH) or the code given to EndDialog.
//
// A modeless sheet that is not a wizard hides its standard buttons; one made while its
// WF_CONTINUEMODAL flag is set keeps them.

#include "vornui/platform/PropertyPage.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/Wnd.h"

#include <vector>

// The window flag that keeps a modal loop running.
#define WF_CONTINUEMODAL 0x0080

class VORNUI_API CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    // The caption (a string id or the text), the parent and the page shown first.
    explicit CPropertySheet(UINT idCaption, CWnd* parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    void Construct(UINT idCaption, CWnd* parent = nullptr, UINT selectPage = 0);
    void Construct(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

    using CWnd::Create;
    virtual INT_PTR DoModal();
    // A modeless sheet; the style -1 is a popup with caption and window menu.
    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1),
                        DWORD exStyle = 0);

    // Pages are not owned; a page added to a live sheet gets its tab at once.
    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const;
    // Null past the end.
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);
    // The sheet's "SysTabControl32"; null before the window is made.
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCTSTR text, UINT style = 0);
    // Tabs in stacked rows (the default) or in one row.
    void EnableStackedTabs(BOOL stacked);
    void SetWizardMode();
    BOOL IsWizard() const;
    // PSWIZB_* flags.
    void SetWizardButtons(DWORD flags);
    void SetFinishText(LPCTSTR text);
    // Does what one of the sheet's buttons does (PSBTN_*), inside the system's sheet.
    BOOL PressButton(int button);
    // Ends a modal sheet's loop with `result`; destroys a modeless sheet.
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // What the system is given for the sheet.
    PROPSHEETHEADER m_psh;

protected:
    // Hands the pages to m_psh; a sheet without pages is an invalid argument
    // (CInvalidArgException).
    virtual void BuildPropPageArray();
    // Whether the modal loop goes on: not ended, and the sheet still has a current page.
    virtual BOOL ContinueModal();
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    std::vector<CPropertyPage*> m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bStacked = TRUE;
    BOOL m_bModeless = FALSE;
    UINT m_nFlags = 0; // WF_CONTINUEMODAL
    int m_nModalResult = -1;

private:
    BOOL MakeSheet(DWORD style, DWORD exStyle);
    static PROPSHEETPAGE PageEntry(const CPropertyPage& page);
    void HideStandardButtons();

    std::vector<PROPSHEETPAGE> m_pageArray;
    mutable CTabCtrl m_tab; // speaks to a tab control that has no object of its own
};
