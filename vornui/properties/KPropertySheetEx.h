#pragma once

// A property sheet (KPropertySheet) with optional extra buttons that end it with a code
// the host reads afterwards (WhatModalButton), an option to hide Cancel in a modeless
// sheet, Alt+letter selection of tabs, sizing to the page template, and placement over its
// owner. A modeless sheet (Create) owns its pages and itself: when its window is destroyed
// it deletes every page, then itself.
//
// The flags, given to the constructor or Reset:
//   0x0001  modeless only: Cancel hidden and disabled, OK in its place
//   0x0004  an Apply button, enabled at start (otherwise there is none)
//   0x0010  a Help button
//   0x0020  "&Move" (0x1001)        0x0040  "&Save" (0x1002)      0x0080  "Save &As" (0x1004)
//   0x0100  "&Remove" (0x1008)      0x0200  "&Print" (0x1010)
//   0x1000  placed over the owner when it opens
//   0x2000  sized to the page template and the buttons
// The extra buttons stand left-aligned under the tabs in the order of their flags; each
// saves the data, leaves its code in the modal-button field and ends the sheet with IDOK.
// OK and Finish leave 0 there, Cancel leaves what Reset put there (the flags).
//
// The extra buttons are made once, the first time the pages are fitted, and placed again
// every time after. A sheet too narrow for them beside the standard buttons is widened when
// they are placed, so that they never cover OK, Cancel or Apply; since the opening size is
// also the smallest the user can drag it to, they never do later either.

#include "vornui/platform/Button.h"
#include "vornui/properties/KPropertySheet.h"

// A property sheet with extra result buttons; see the file's comment.
class VORNUI_API KPropertySheetEx : public KPropertySheet {
    DECLARE_DYNAMIC(KPropertySheetEx)
public:
    // Caption "Edit", no parent, the first page, no flags.
    KPropertySheetEx();
    // The caption (a string id, cut at its first line feed, or the text), the parent, the
    // page shown first and the flags.
    KPropertySheetEx(unsigned int idCaption, CWnd* parent, unsigned int selectPage,
                     unsigned int flags);
    KPropertySheetEx(const char* caption, CWnd* parent, unsigned int selectPage,
                     unsigned int flags);

    // Starts again with a new caption, parent, first page and flags; the page array built
    // before is dropped.
    void Reset(unsigned int idCaption, CWnd* parent, unsigned int selectPage, unsigned int flags);
    void Reset(const char* caption, CWnd* parent, unsigned int selectPage, unsigned int flags);
    // The code of the extra button that ended the sheet, 0 after OK or Finish, the flags
    // after Cancel.
    int WhatModalButton() const;
    // 1 when the modal-button field is greater than 0.
    int ModalButtonPushed() const;

    // Keeps a modeless sheet's buttons (hiding Cancel with 0x0001), enables Apply, places
    // the extra buttons and the sheet.
    BOOL OnInitDialog() override;
    // Saves the active page (stays open when that fails), then OK; IDOK.
    virtual void OnOK();
    // Cancel; IDCANCEL.
    virtual void OnCancel();
    // Saves the active page (stays open when that fails), then Apply; Apply stays enabled.
    virtual void OnApply();
    // Saves the active page (stays open when that fails), then Finish; ID_WIZFINISH.
    virtual void OnWizardFinish();
    // Alt with a key activates the first tab whose text has "&" before that key.
    BOOL PreTranslateMessage(MSG* msg) override;
    // Sizes the sheet (flag 0x2000) or places the extra buttons; TRUE.
    BOOL ResizePropPages() override;

protected:
    // A modeless sheet deletes its pages, then itself.
    void PostNcDestroy() override;

    // Move: ends the sheet with 0x1001.
    void OnButtonMove();
    // Save: ends the sheet with 0x1002.
    void OnButtonSave();
    // Save As: ends the sheet with 0x1004.
    void OnButtonSaveAs();
    // Remove: ends the sheet with 0x1008.
    void OnButtonDelete();
    // Print: ends the sheet with 0x1010.
    void OnButtonPrint();

    // Fits the sheet to the page template and the buttons; FALSE when nothing changed.
    BOOL ResizeSheet();
    // Centres the sheet over its owner's rectangle, or puts it 20 pixels from the top of
    // the screen when it has none.
    void SetDialogPlacement();
    // The active page's template rectangle in pixels; FALSE when it has no template.
    BOOL GetResourcePageSize(CRect& rect);
    // The rectangle the extra buttons cover (made when `create` and not made yet).
    CRect GetLeftAlignedButtonSize(bool create);
    // The rectangle the visible standard buttons cover.
    CRect GetRightAlignedButtonSize();
    // The gap between two neighbouring standard buttons, or the tabs' left margin.
    int ButtonSpacing();
    // Widens the sheet until its extra buttons end a spacing before the standard ones.
    void KeepExtraButtonsClear();
    // Grows the page, the tabs and the sheet by (dx, dy) and moves the standard buttons
    // with the corner.
    void GrowSheet(int dx, int dy);

    // Move, Save, Save As, Remove and Print, made on demand.
    CButton m_extraButtons[5];
    // The flags given to the constructor or Reset.
    unsigned int m_uFlags = 0;
    // What ended the sheet (see WhatModalButton).
    int m_nModalButton = 0;

private:
    void EndWithButton(int code);
    bool SaveActivePage();
    bool SelectTabFor(char key);

    DECLARE_MESSAGE_MAP()
};
