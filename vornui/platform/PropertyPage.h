#pragma once

// The framework's property page: a dialog that lives in a property sheet (CPropertySheet).
// The sheet makes its window when the page is first shown and tells it what happens with
// the PSN_* notifications, which the page turns into its virtual handlers: OnSetActive,
// OnKillActive (saves and validates the data, UpdateData(TRUE)), OnApply (calls OnOK),
// OnReset (calls OnCancel), OnQueryCancel and the wizard's OnWizardBack, OnWizardNext and
// OnWizardFinish. OnOK and OnCancel do not end anything here: the sheet does that.

#include "vornui/platform/Dialog.h"
#include "vornui/platform/PropertySheetControl.h"

class VORNUI_API CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    // The template and the string whose text is the page's tab (0: the template's caption).
    explicit CPropertyPage(UINT idTemplate, UINT idCaption = 0);
    explicit CPropertyPage(LPCTSTR templateName, UINT idCaption = 0);
    void Construct(UINT idTemplate, UINT idCaption = 0);
    void Construct(LPCTSTR templateName, UINT idCaption = 0);

    // Tells the sheet the page holds changes (Apply is enabled) or no longer does.
    void SetModified(BOOL changed = TRUE);
    // Asks the sheet's other pages (PSM_QUERYSIBLINGS); the first non-zero answer.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    // After an irreversible change: Cancel is disabled and OK reads "Close".
    void CancelToClose();

    // TRUE shows the page; the first time the data were loaded by OnInitDialog already.
    virtual BOOL OnSetActive();
    // TRUE lets the page be left; saves and validates its data.
    virtual BOOL OnKillActive();
    // TRUE when the page's changes were taken; calls OnOK.
    virtual BOOL OnApply();
    // The sheet was cancelled; calls OnCancel.
    virtual void OnReset();
    // TRUE lets the sheet be cancelled.
    virtual BOOL OnQueryCancel();
    // 0 goes to the neighbouring page, -1 stays, a template id goes to that page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // TRUE lets the wizard finish.
    virtual BOOL OnWizardFinish();
    // The sheet's OK and Cancel reach the page through OnApply and OnReset; the page itself
    // never ends.
    void OnOK() override;
    void OnCancel() override;

    // The sheet does the dialog keys of its pages.
    BOOL PreTranslateMessage(MSG* msg) override;

    // What the sheet is given for this page.
    PROPSHEETPAGE m_psp;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The page's tab text, when a caption string was given.
    CString m_strCaption;

private:
    friend class CPropertySheet;
    // Attaches the page object to its window as the sheet makes it.
    static UINT PageCallback(HWND hwnd, UINT message, LPPROPSHEETPAGE psp);
    // The answer to one of the sheet's notifications.
    LRESULT OnSheetNotify(UINT code);

    bool m_bFirstSetActive = true;
};
