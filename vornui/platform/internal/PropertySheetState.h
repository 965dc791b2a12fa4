#pragma once

// Inside the system's property sheet: what one sheet window knows about its pages, shared
// by its making and layout (PropertySheetControl.cpp) and its page and button actions
// (PropertySheetPages.cpp).

#include "vornui/platform/CRect.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/PropertySheetControl.h"

#include <vector>

struct SheetPage {
    PROPSHEETPAGE psp;
    const DialogTemplate* dialogTemplate = nullptr;
    CString title;
    HWND hwnd = nullptr;
    bool changed = false;
};

struct SheetState {
    DWORD flags = 0;
    std::vector<SheetPage> pages;
    int active = -1;
    int start = 0;
    CRect pageRect; // where a wizard's pages sit, in the sheet's client coordinates
    DWORD wizardButtons = 0;
    bool ended = false; // OK, Cancel or Finish is done: no current page any more
    INT_PTR result = 0;
};

inline bool IsWizardSheet(const SheetState& state) {
    return (state.flags & (PSH_WIZARD | PSH_WIZARD97)) != 0;
}

// The state of sheet window `sheet`, null for any other window.
SheetState* SheetStateOf(HWND sheet);

// Moves `page` to where the sheet's pages sit now (above the others).
void PlaceSheetPage(HWND sheet, const SheetState& state, HWND page);
// The same for the page shown now, after the sheet or its tab control changed size.
void PlaceActiveSheetPage(HWND sheet, const SheetState& state);
// Shows page `index` (making it first when needed) after the active page agreed to be
// left; false when it did not, or the page could not be made.
bool ChangeSheetPage(HWND sheet, SheetState& state, int index, bool askActive);
// Sends `code` to the page, with `lParam` in the notification; the page's answer.
LRESULT NotifySheetPage(HWND sheet, const SheetPage& page, UINT code, LPARAM lParam = 0);
// The standard buttons' work, also as PSM_PRESSBUTTON does it.
void PressSheetButton(HWND sheet, SheetState& state, int button);
// Shows and enables the wizard's buttons for PSWIZB_* `buttons`.
void ShowWizardButtons(HWND sheet, SheetState& state, DWORD buttons);
// The answer to a PSM_* message.
LRESULT SheetMessage(HWND sheet, SheetState& state, UINT message, WPARAM wParam, LPARAM lParam);
